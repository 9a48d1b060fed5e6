#include "base/experiment_file.h"
#include "base/text_file.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <tuple>

using namespace sonrel;

// Written and read back: every value in the window's order, a field's text
// exactly as typed, in the pretty-printed document the header describes.
TEST(ExperimentFile, RoundTripKeepsEveryValueInOrder) {
    ExperimentSetup e{9,
                      true,
                      {{"Text1", "X1n", "-3,25E-4", false},
                       {"Check5", "+ отчет", "", true},
                       {"Option12", "3-2", "", false},
                       {"ComboPace", "Темп", "2×", false},
                       {"Text10", "", " 1,5 ", false}},
                      "Поперечный эффект",
                      "",
                      "",
                      "Watch \"v/v0\""};
    const std::string text = experimentText(e, "Sonrel6 1.0.0");
    EXPECT_EQ(text.rfind("{\n  \"format\": \"sonrel6-experiment\",\n  \"version\": 1,\n", 0), 0u);
    EXPECT_NE(
        text.find("    \"Text1\": {\n      \"caption\": \"X1n\",\n      \"value\": \"-3,25E-4\""),
        std::string::npos);
    const std::string path = ::testing::TempDir() + "round_trip.sonrel";
    ASSERT_TRUE(writeExperimentFile(path, e, "Sonrel6 1.0.0"));
    const ExperimentSetup back = readExperimentFile(path, 9);
    std::remove(path.c_str());
    EXPECT_EQ(back.window, 9);
    EXPECT_TRUE(back.runOnOpen);
    EXPECT_EQ(std::make_tuple(back.title, back.description, back.titleEn, back.descriptionEn),
              std::make_tuple(e.title, std::string(), std::string(), e.descriptionEn));
    ASSERT_EQ(back.values.size(), e.values.size());
    for (std::size_t k = 0; k < e.values.size(); ++k) {
        const ExperimentValue &a = e.values[k], &b = back.values[k];
        EXPECT_EQ(std::tie(a.name, a.caption, a.text, a.on),
                  std::tie(b.name, b.caption, b.text, b.on));
    }
    // By hand: numbers become texts with a decimal comma, a bare value stands
    // for {"value": …}, unknown keys are ignored.
    const ExperimentSetup hand = parseExperiment(
        R"({"values": {"Text2": 1.5, "Text3": {"value": -20}, "Text4": 2e-5, "Label1": 3,
            "Check1": {"value": true, "caption": 7}, "Extra": [1]}, "more": {},
            "window": "Form10", "version": 1, "format": "sonrel6-experiment"})",
        "hand.sonrel");
    EXPECT_EQ(hand.window, 10);
    ASSERT_EQ(hand.values.size(), 4u);
    EXPECT_EQ(hand.values[0].text + " " + hand.values[1].text + " " + hand.values[2].text,
              "1,5 -20 2E-05");
    EXPECT_TRUE(hand.values[3].on);
}

// Every kind of bad file is refused with a message naming the file and the fault.
TEST(ExperimentFile, BadFilesAreRefusedWithTheirReason) {
    const std::string h = R"({"format": "sonrel6-experiment", "version": 1, )";
    const std::string f9 = h + R"("window": "Form9", )";
    const struct {
        std::string text;
        const char* says;
    } cases[] = {
        {"", "файл пуст"},
        {std::string("\x89PNG\r\n\x1a\n\0\0", 10), "это не текст JSON (ошибка в байте 1)"},
        {f9 + R"("values": {"Text1": "1)", "обрывается"},
        {R"({"name": "table", "rows": []})", "нет метки \"format\": \"sonrel6-experiment\""},
        {R"({"format": "sonrel6-picture", "version": 1})", "нет метки"},
        {std::string(100, '[') + std::string(100, ']'), "вложенность"},
        {h + R"("window": "Form3", "values": {}})", "это опыт окна Form3, а не окна Form9"},
        {h + R"("window": "Form4", "values": {}})", "у окна «Form4» нет опытов"},
        {R"({"format": "sonrel6-experiment", "version": 2})", "версия формата 2 новее той, что "
                                                              "читает программа (1)"},
        {R"({"format": "sonrel6-experiment", "version": "1"})", "«version» должно быть целым"},
        {R"({"format": "sonrel6-experiment", "window": "Form1"})", "нет значения «version»"},
        {h + R"("values": {}})", "нет значения «window»"},
        {h + R"("window": "Form9"})", "нет значения «values»"},
        {h + R"("window": 1, "values": {}})", "«window» должно быть текстом"},
        {f9 + R"("values": [1]})", "«values» должно быть объектом"},
        {f9 + R"("runOnOpen": 1, "values": {}})", "«runOnOpen» должно быть true или false"},
        {f9 + R"("descriptionEn": ["x"], "values": {}})", "«descriptionEn» должно быть текстом"},
        {f9 + R"("values": {"Check5": {"value": "да"}}})", "«Check5» должно быть true или false"},
        {f9 + R"("values": {"Text1": {"value": true}}})", "«Text1» должно быть текстом или числом"},
        {f9 + R"("values": {"Text1": 1e999}})", "число вне допустимых"},
        {f9 + R"("values": {"ComboPace": {"value": 2}}})", "«ComboPace» должно быть текстом"},
        {f9 + R"("values": {"Option1": {"caption": "СТО"}}})", "нет значения «value»"},
        {std::string(kMaxExperimentBytes + 1, ' '), "файл больше 1048576 байт"},
        {"missing", "файла нет или он не читается"},
    };
    const std::string path = ::testing::TempDir() + "урок.sonrel";
    for (const auto& c : cases) {
        std::remove(path.c_str());
        if (c.text != "missing") {
            ASSERT_TRUE(writeFileAtomically(path, c.text));
        }
        try {
            readExperimentFile(path, 9);
            ADD_FAILURE() << "read: " << c.text;
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find("«" + path + "»"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
    std::remove(path.c_str());
}
