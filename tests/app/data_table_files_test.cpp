#include "base/errors.h"
#include "base/shared_state.h"
#include "base/text_file.h"
#include "experiments/medium/medium_table.h"
#include "experiments/relativity/data_table.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace sonrel;
namespace fs = std::filesystem;

namespace {

// Each test works in a folder of its own.
class DataTableFiles : public ::testing::Test {
protected:
    void SetUp() override {
        old_ = fs::current_path();
        dir_ = fs::temp_directory_path() /
               ("sonrel_tables_" + std::to_string(getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(old_);
        fs::remove_all(dir_);
    }
    static void put(const std::string& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }
    static std::string bytesOf(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::size_t filesHere() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }
    fs::path old_, dir_;
};

// Runs `work` in a child process whose files may not grow past `limit`
// bytes (SIGXFSZ ignored, so a write past it fails with EFBIG, for root
// too) and that is killed if it takes more than ten seconds; returns its
// exit code, or -1 when it did not exit by itself.
int inChild(const std::function<int()>& work, rlim_t limit = RLIM_INFINITY) {
    const pid_t pid = fork();
    if (pid == 0) {
        alarm(10);
        if (limit != RLIM_INFINITY) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit r{};
            getrlimit(RLIMIT_FSIZE, &r);
            r.rlim_cur = limit;
            setrlimit(RLIMIT_FSIZE, &r);
        }
        int code = 99;
        try {
            code = work();
        } catch (...) {
        }
        _exit(code);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A table body both readers take: nine start values (the ninth, the
// medium's mode, 1), a column header and two rows of fifteen numbers.
const std::string kBody = " 20000000 200000 0 10000000 0 0 0 1000000 1\r\n  N Tn1\r\n"
                          "01 1 2 3 4 5 6 7 8 9 10 11 12 13 14\r\n"
                          "02 2 3 4 5 6 7 8 9 10 11 12 13 14 15\r\n";

// Which of the two windows' readers take the file; 0 bit: the comparison
// window's, 1 bit: the medium window's.
int readersTaking(const std::string& name) {
    int taken = 0;
    try {
        relativity::readTable(name.substr(7, name.size() - 11)); // "Sonrel_" N ".txt"
        taken |= 1;
    } catch (const InputError&) {
    }
    try {
        SharedState st;
        MediumExperiment run(st);
        readMediumTable(name, run);
        taken |= 2;
    } catch (const TableError&) {
    }
    return taken;
}

} // namespace

// A write cut short by a full disk (here a file-size limit smaller than the
// table, hit after the file is open) fails, removes its temporary file and
// leaves the earlier table byte for byte.
TEST_F(DataTableFiles, AWriteCutShortFailsAndKeepsTheOldTable) {
    const std::string old = "earlier table\r\n";
    put("Sonrel_7.txt", old);
    const int code = inChild(
        [] {
            SharedState s;
            relativity::Model m(s);
            MediumExperiment run(s);
            int failed = 0;
            if (!relativity::writeTable(m, "7")) failed |= 1;
            try {
                writeMediumTable("Sonrel_7.txt", run, DopplerFrame::Classic);
            } catch (const TableError&) {
                failed |= 2;
            }
            if (!writeFileAtomically("Sonrel_7.txt", std::string(5000, 'x'))) failed |= 4;
            return failed;
        },
        100);
    EXPECT_EQ(code, 7); // each of the three writes failed
    EXPECT_EQ(bytesOf("Sonrel_7.txt"), old);
    EXPECT_EQ(filesHere(), 1u); // no temporary file left
    // Without the limit the same write replaces the file, keeping its permissions.
    chmod("Sonrel_7.txt", 0640);
    ASSERT_TRUE(writeFileAtomically("Sonrel_7.txt", "new\n"));
    EXPECT_EQ(bytesOf("Sonrel_7.txt"), "new\n");
    struct stat st {};
    ASSERT_EQ(stat("Sonrel_7.txt", &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(filesHere(), 1u);
}

// Only a regular file no longer than any table is read, each line no longer
// than any table line: a named pipe is refused at once (a child that froze
// in open() would be killed and fail the test), a link to /dev/zero too.
TEST_F(DataTableFiles, OnlyRegularFilesOfATablesSizeAreRead) {
    const std::string head = "title\r\n";
    std::string rows; // more lines than any table, each of them valid
    while (rows.size() <= kMaxTableBytes)
        rows += "01 1 2 3 4 5 6 7 8 9 10 11 12 13 14\r\n";
    const std::string widest = "01 1 2 3 4 5 6 7 8 9 10 11 12 13 14";
    const struct {
        const char* what;
        std::function<void(const std::string&)> make;
        int taken; // bits of readersTaking
    } cases[] = {
        {"a plain table", [&](const std::string& n) { put(n, head + kBody); }, 3},
        {"a row of exactly 4096 characters",
         [&](const std::string& n) {
             put(n, head + kBody + widest + std::string(4096 - widest.size(), ' ') + "\r\n");
         },
         3},
        {"a row of 4097 characters",
         [&](const std::string& n) {
             put(n, head + kBody + widest + std::string(4097 - widest.size(), ' ') + "\r\n");
         },
         0},
        {"a title of 5000 characters",
         [&](const std::string& n) { put(n, std::string(5000, 'x') + "\r\n" + kBody); }, 0},
        {"a file longer than any table", [&](const std::string& n) { put(n, head + kBody + rows); },
         0},
        {"a named pipe", [](const std::string& n) { ASSERT_EQ(mkfifo(n.c_str(), 0600), 0); }, 0},
        {"a link to /dev/zero", [](const std::string& n) { fs::create_symlink("/dev/zero", n); },
         0},
        {"a folder", [](const std::string& n) { fs::create_directory(n); }, 0},
        {"no file", [](const std::string&) {}, 0},
    };
    int number = 1;
    for (const auto& c : cases) {
        const std::string name = "Sonrel_" + std::to_string(number++) + ".txt";
        c.make(name);
        EXPECT_EQ(inChild([&] { return readersTaking(name); }), c.taken) << c.what;
    }
}

// The first line names the window that wrote the table, and each window
// refuses the other's; tables written before the mark keep being read by
// the window whose title they carry.
TEST_F(DataTableFiles, EachWindowReadsOnlyItsOwnTables) {
    SharedState s;
    relativity::Model m(s);
    MediumExperiment run(s);
    const auto firstLine = [](const std::string& text) { return text.substr(0, text.find('\n')); };
    const struct {
        const char* what;
        std::string title;
        int taken;
    } cases[] = {
        {"comparison table", firstLine(relativity::tableText(m)), 1},
        {"medium table", firstLine(mediumTableText(run, DopplerFrame::Relativistic)), 2},
        {"earlier comparison table",
         " Vs0            v0           VX1           VX2           VY1           VY2           T0 "
         "          kTiso          kT00     СТО в ИСО  из АСО при VXiso= 12,5  (параметры даны на "
         "начало периода N)\r",
         1},
        {"earlier medium table",
         "Классика в среде с переменной оптической плотностью при VXiso= 0 Vs0            v0      "
         "     VX1           VX2           VY1           VY2           T0           kTiso          "
         "kod     \r",
         2},
        {"a title of neither", "мои измерения\r", 3},
        {"another window's mark", "таблица   Sonrel6 form8\r", 0},
    };
    EXPECT_EQ(cases[0].title.substr(cases[0].title.size() - 16), "  Sonrel6 form9\r");
    EXPECT_EQ(cases[1].title.substr(cases[1].title.size() - 16), "   Sonrel6 form3");
    int number = 1;
    for (const auto& c : cases) {
        const std::string name = "Sonrel_" + std::to_string(number++) + ".txt";
        put(name, c.title + "\n" + kBody);
        EXPECT_EQ(readersTaking(name), c.taken) << c.what;
    }
}
