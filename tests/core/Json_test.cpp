#include "platform/JsonWriter.h"

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
