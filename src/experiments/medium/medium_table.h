#pragma once
// The data table of a medium run: a title, the start values, a column
// header and one line per recorded arrival, all values as whole millionths.
#include "experiments/medium/medium_experiment.h"

#include <stdexcept>
#include <string>

namespace sonrel {

struct TableError : std::runtime_error {
    explicit TableError(const std::string& what) : std::runtime_error(what) {}
};

// "Sonrel_" + number + ".txt"; throws TableError when the text is no whole
// number that can be part of a file name.
std::string mediumTableName(const std::string& numberText);

// The table text of the run's records (frame gives the title).
std::string mediumTableText(const MediumExperiment& run, DopplerFrame frame);

// Writes the table; TableError when the file cannot be written.
void writeMediumTable(const std::string& path, const MediumExperiment& run, DopplerFrame frame);

// Replaces the run's records by a table's: start values, mode and up to
// twenty arrivals. A missing or malformed file throws TableError and leaves
// the run as it was.
void readMediumTable(const std::string& path, MediumExperiment& run);

} // namespace sonrel
