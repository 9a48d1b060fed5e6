#include "base/experiment_file.h"
#include "base/text_file.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

using namespace sonrel;

// Written and read back: every value, in the window's order, with a field's
// text exactly as typed; the document is the one described in the header.
TEST(ExperimentFile, RoundTripKeepsEveryValueInOrder) {
    Experiment e;
    e.window = 9;
    e.runOnOpen = true;
    e.values = {{"Text1", "X1n", "-3,25E-4", false},
                {"Check5", "+ отчет", "", true},
                {"Option12", "3-2", "", false},
                {"ComboPace", "Темп", "2×", false},
                {"Text10", "", " 1,5 ", false}};
    const std::string text = experimentText(e, "Sonrel6 1.0.0");
    EXPECT_EQ(text.rfind("{\n  \"format\": \"sonrel6-experiment\",\n  \"version\": 1,\n", 0), 0u);
    EXPECT_NE(
        text.find("    \"Text1\": {\n      \"caption\": \"X1n\",\n      \"value\": \"-3,25E-4\""),
        std::string::npos);
    const std::string path = ::testing::TempDir() + "round_trip.sonrel";
    ASSERT_TRUE(writeExperimentFile(path, e, "Sonrel6 1.0.0"));
    const Experiment back = readExperimentFile(path, 9);
    std::remove(path.c_str());
    EXPECT_EQ(back.window, 9);
    EXPECT_TRUE(back.runOnOpen);
    ASSERT_EQ(back.values.size(), e.values.size());
    for (std::size_t k = 0; k < e.values.size(); ++k) {
        EXPECT_EQ(back.values[k].name, e.values[k].name);
        EXPECT_EQ(back.values[k].caption, e.values[k].caption);
        EXPECT_EQ(back.values[k].text, e.values[k].text);
        EXPECT_EQ(back.values[k].on, e.values[k].on);
    }
}

// A file written by hand: numbers become field texts with a decimal comma,
// bare values stand for {"value": …}, unknown keys are ignored.
TEST(ExperimentFile, HandWrittenFileIsRead) {
    const Experiment e = parseExperiment(
        R"({"values": {"Text2": 1.5, "Text3": {"value": -20}, "Text4": 2e-5, "Label1": 3,
            "Check1": {"value": false, "caption": 7}, "Extra": [1]},
            "window": "Form10", "version": 1, "format": "sonrel6-experiment", "more": {}})",
        "hand.sonrel");
    EXPECT_EQ(e.window, 10);
    EXPECT_FALSE(e.runOnOpen);
    ASSERT_EQ(e.values.size(), 4u);
    EXPECT_EQ(e.values[0].text, "1,5");
    EXPECT_EQ(e.values[1].text, "-20");
    EXPECT_EQ(e.values[2].text, "2E-05");
    EXPECT_EQ(e.values[3].name, "Check1");
    EXPECT_FALSE(e.values[3].on);
}

// Every kind of bad file is refused with a message naming the file and the fault.
TEST(ExperimentFile, BadFilesAreRefusedWithTheirReason) {
    const std::string head = R"({"format": "sonrel6-experiment", "version": 1, )";
    const struct {
        std::string text;
        int requiredWindow;
        const char* says;
    } cases[] = {
        {"", 0, "файл пуст"},
        {" \n\t", 0, "файл пуст"},
        {std::string("\x89PNG\r\n\x1a\n\0\0", 10), 0, "это не текст JSON (ошибка в байте 1)"},
        {head + R"("window": "Form1", "values": {"Text1": "1)", 0, "обрывается"},
        {R"({"name": "table", "rows": []})", 0, "нет метки \"format\": \"sonrel6-experiment\""},
        {R"({"format": "sonrel6-picture", "version": 1})", 0, "нет метки"},
        {"[1, 2]", 0, "нет метки"},
        {std::string(100, '[') + std::string(100, ']'), 0, "вложенность"},
        {head + R"("window": "Form3", "values": {}})", 9, "это опыт окна Form3, а не окна Form9"},
        {head + R"("window": "Form4", "values": {}})", 0, "у окна «Form4» нет опытов"},
        {R"({"format": "sonrel6-experiment", "version": 2, "window": "Form1"})", 0,
         "версия формата 2 новее той, что читает программа (1)"},
        {R"({"format": "sonrel6-experiment", "version": "1"})", 0, "«version» должно быть целым"},
        {R"({"format": "sonrel6-experiment", "window": "Form1"})", 0, "нет значения «version»"},
        {head + R"("values": {}})", 0, "нет значения «window»"},
        {head + R"("window": "Form1"})", 0, "нет значения «values»"},
        {head + R"("window": 1, "values": {}})", 0, "«window» должно быть текстом"},
        {head + R"("window": "Form1", "values": [1]})", 0, "«values» должно быть объектом"},
        {head + R"("window": "Form1", "runOnOpen": 1, "values": {}})", 0,
         "«runOnOpen» должно быть true или false"},
        {head + R"("window": "Form1", "values": {"Check5": {"value": "да"}}})", 0,
         "«Check5» должно быть true или false"},
        {head + R"("window": "Form1", "values": {"Text1": {"value": true}}})", 0,
         "«Text1» должно быть текстом или числом"},
        {head + R"("window": "Form1", "values": {"Text1": 1e999}})", 0, "число вне допустимых"},
        {head + R"("window": "Form1", "values": {"ComboPace": {"value": 2}}})", 0,
         "«ComboPace» должно быть текстом"},
        {head + R"("window": "Form1", "values": {"Option1": {"caption": "СТО"}}})", 0,
         "нет значения «value»"},
    };
    for (const auto& c : cases) {
        try {
            parseExperiment(c.text, "урок.sonrel", c.requiredWindow);
            ADD_FAILURE() << "read: " << c.text;
        } catch (const FileError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find("«урок.sonrel»"), std::string::npos) << what;
            EXPECT_NE(what.find(c.says), std::string::npos) << what;
        }
    }
}

// A file too large is refused before it is read; a missing one says so.
TEST(ExperimentFile, LargeAndMissingFilesAreRefused) {
    const std::string path = ::testing::TempDir() + "large.sonrel";
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        const std::string block(4096, ' ');
        for (std::size_t n = 0; n <= kMaxExperimentBytes / block.size(); ++n)
            std::fwrite(block.data(), 1, block.size(), f);
        std::fclose(f);
    }
    EXPECT_THROW(
        {
            try {
                readExperimentFile(path);
            } catch (const FileError& e) {
                EXPECT_NE(std::string(e.what()).find("файл больше 1048576 байт"),
                          std::string::npos);
                throw;
            }
        },
        FileError);
    std::remove(path.c_str());
    EXPECT_THROW(readExperimentFile(path), FileError);
}
