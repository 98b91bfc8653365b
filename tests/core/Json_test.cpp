#include "platform/JsonWriter.h"
#include "platform/TerminalText.h"

#include <gtest/gtest.h>

using vemora::JsonWriter;

TEST(JsonWriter, EscapesControlQuotesAndInvalidUtf8) {
    EXPECT_EQ(JsonWriter::Escape("a\"b\\c\n\x01"), "a\\\"b\\\\c\\n\\u0001");
    EXPECT_EQ(JsonWriter::Escape("\xff"
                                 "x"),
              "\\ufffdx");
    EXPECT_EQ(JsonWriter::Escape("\xe6\x97\xa5"), "\xe6\x97\xa5"); // valid UTF-8 passes through
    EXPECT_EQ(JsonWriter::Escape("\xe6\x97"), "\\ufffd\\ufffd");   // truncated sequence
}

TEST(JsonWriter, NestsContainersWithCommas) {
    JsonWriter w;
    w.BeginObject().Key("a").BeginArray().Int(1).Int(-2).EndArray().Key("b").Null().Key("c").Double(0.5);
    w.Key("d").Bool(true).EndObject();
    EXPECT_EQ(w.Text(), R"({"a":[1,-2],"b":null,"c":0.5,"d":true})");
}

TEST(JsonWriter, NonFiniteDoublesBecomeNull) {
    JsonWriter w;
    w.BeginArray().Double(1.0 / 0.0).EndArray();
    EXPECT_EQ(w.Text(), "[null]");
}

// Card names on the terminal and in JSON: nothing reaches the terminal as a control sequence, and
// a name that is not UTF-8 comes with its bytes.
TEST(CardNames, AreEscapedOnTheTerminalAndLosslessInJson) {
    struct Row {
        std::string name;
        std::string terminal;
        std::string json;
    };
    const Row rows[] = {
        {"/card/FILE0001.MP4", "/card/FILE0001.MP4", R"({"path":"/card/FILE0001.MP4"})"},
        {"/card/\x1b]0;owned\x07.MP4", "/card/\\x1b]0;owned\\x07.MP4",
         R"({"path":"/card/\u001b]0;owned\u0007.MP4"})"},
        {"/card/\xe6\x97\xa5.MP4", "/card/\xe6\x97\xa5.MP4",
         R"({"path":"/card/)"
         "\xe6\x97\xa5"
         R"(.MP4"})"},
        {"/card/a\xff.MP4", "/card/a\\xff.MP4",
         R"({"path":"/card/a\ufffd.MP4","path_bytes":"2f636172642f61ff2e4d5034"})"},
        {"/card/\xc2\x9b"
         "31m",
         "/card/\\u{009b}31m",
         R"({"path":"/card/)"
         "\xc2\x9b"
         R"(31m"})"},
        {"/card/\xe2\x80\xaeMP4.exe", "/card/\\u{202e}MP4.exe",
         R"({"path":"/card/)"
         "\xe2\x80\xae"
         R"(MP4.exe"})"},
        {"C:\\card", "C:\\\\card", R"({"path":"C:\\card"})"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.terminal);
        EXPECT_EQ(vemora::TerminalText(row.name), row.terminal);
        JsonWriter w;
        w.BeginObject().PathField("path", row.name).EndObject();
        EXPECT_EQ(w.Text(), row.json);
    }
}
