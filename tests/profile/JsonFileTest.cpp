#include "profile/JsonFile.h"

#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"
#include "platform/Trace.h"

namespace profile {
namespace {

using profile_test::TempFolder;

using platform::FileWriteStep;

// Makes one step of every file write fail while it lives.
class ScopedWriteFault {
public:
    explicit ScopedWriteFault(FileWriteStep failing)
        : m_previous(platform::SetFileWriteHook(
              [failing](FileWriteStep step) { return step != failing; })) {}
    ~ScopedWriteFault() { platform::SetFileWriteHook(m_previous); }

private:
    platform::FileWriteHook m_previous;
};

Json::Value Parse(const std::string& text) {
    Json::Value value;
    Json::Reader reader;
    EXPECT_TRUE(reader.parse(text, value)) << text;
    return value;
}

TEST(JsonFileText, StyledWithSortedKeysCrLfAndOneExtraNewline) {
    Json::Value value = Parse(R"({"b": [1, 2], "a": {"x": "y"}, "c": [{"k": true}], "d": null,
                                  "e": [], "f": -7})");
    const std::string expected =
        "{\r\n"
        "   \"a\" : {\r\n"
        "      \"x\" : \"y\"\r\n"
        "   },\r\n"
        "   \"b\" : [ 1, 2 ],\r\n"
        "   \"c\" : [\r\n"
        "      {\r\n"
        "         \"k\" : true\r\n"
        "      }\r\n"
        "   ],\r\n"
        "   \"d\" : null,\r\n"
        "   \"e\" : [],\r\n"
        "   \"f\" : -7\r\n"
        "}\r\n"
        "\r\n";
    EXPECT_EQ(RenderJsonFileText(value), expected);
}

TEST(JsonFileText, LongArraysBreakAtTheRightMargin) {
    Json::Value value(Json::arrayValue);
    for (int i = 0; i < 30; ++i) {
        value.append(100000 + i);
    }
    std::string text = RenderJsonFileText(value);
    EXPECT_EQ(text.rfind("[\r\n   100000,\r\n   100001,\r\n", 0), 0u) << text.substr(0, 60);
}

TEST(ReadJsonFile, MissingEmptyAndInvalidFilesReadAsNull) {
    TempFolder folder;
    struct Case {
        const char* name;
        const char* content;  // nullptr: the file does not exist
    };
    const Case cases[] = {
        {"missing.json", nullptr},
        {"empty.json", ""},
        {"broken.json", "{\"Device\": [ {\"LightInfo\": "},
        {"trailing_comma.json", "{\"a\": 1,,}"},
        {"deep.json", nullptr},  // filled below: nesting deep enough to make jsoncpp throw
    };
    folder.Write("deep.json", std::string(100000, '['));
    for (const Case& c : cases) {
        if (c.content != nullptr) {
            folder.Write(c.name, c.content);
        }
        EXPECT_TRUE(ReadJsonFile(folder / c.name).isNull()) << c.name;
    }
}

TEST(ReadJsonFile, AcceptsCommentsAndCrLf) {
    TempFolder folder;
    folder.Write("a.json",
                 "// saved by hand\r\n{\r\n  \"Light\" : 3, /* brightness */\r\n"
                 "  \"Name\" : \"x\"\r\n}\r\n");
    Json::Value value = ReadJsonFile(folder / "a.json");
    ASSERT_TRUE(value.isObject());
    EXPECT_EQ(value["Light"].asInt(), 3);
    EXPECT_EQ(value["Name"].asString(), "x");
}

TEST(ReadJsonFile, TracesTheErrorCodeAndThePathOfAnEmptyFile) {
    TempFolder folder;
    platform::ScopedTraceCapture capture;
    ReadJsonFile(folder / "missing.json");
    EXPECT_TRUE(capture.Contains("readjsonFile 错误吗：：2"));
    EXPECT_TRUE(capture.Contains((folder / "missing.json").string()));
}

TEST(WriteJsonFile, WritesTheRenderedTextAndLeavesNoTemporaryFile) {
    TempFolder folder;
    folder.Write("p.Json", "old");
    Json::Value value = Parse(R"({"Device": [{"LightInfo": {"Red": 1}}]})");
    EXPECT_TRUE(TryWriteJsonFile(value, folder / "p.Json"));
    EXPECT_EQ(folder.Read("p.Json"), RenderJsonFileText(value));
    EXPECT_EQ(folder.Listing(), "p.Json;");
    EXPECT_EQ(ReadJsonFile(folder / "p.Json"), value);
}

TEST(WriteJsonFile, AFailedStepKeepsTheOldFileAndReportsFailure) {
    const std::string old = "{\r\n   \"kept\" : 1\r\n}\r\n\r\n";
    Json::Value value = Parse(R"({"kept": 2, "more": "data that never reaches the file"})");
    const struct {
        FileWriteStep step;
        const char* name;
    } cases[] = {
        {FileWriteStep::kCreate, "create"},
        {FileWriteStep::kWrite, "write (half the bytes written)"},
        {FileWriteStep::kSync, "sync"},
        {FileWriteStep::kRename, "rename"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        folder.Write("p.Json", old);
        {
            ScopedWriteFault fault(c.step);
            EXPECT_FALSE(TryWriteJsonFile(value, folder / "p.Json")) << c.name;
            EXPECT_EQ(WriteJsonFile(value, folder / "p.Json"), 0) << c.name;
        }
        EXPECT_EQ(folder.Read("p.Json"), old) << c.name;
        EXPECT_EQ(folder.Listing(), "p.Json;") << c.name;
    }
}

TEST(WriteJsonFile, AFailedFirstWriteCreatesNoFile) {
    TempFolder folder;
    ScopedWriteFault fault(FileWriteStep::kRename);
    EXPECT_FALSE(TryWriteJsonFile(Json::Value(1), folder / "new.Json"));
    EXPECT_EQ(folder.Listing(), "");
}

TEST(WriteJsonFile, AMissingFolderOrEmptyPathFails) {
    TempFolder folder;
    EXPECT_FALSE(TryWriteJsonFile(Json::Value(1), folder / "no_such_folder" / "a.Json"));
    EXPECT_FALSE(TryWriteJsonFile(Json::Value(1), ""));
    EXPECT_EQ(folder.Listing(), "");
}

}  // namespace
}  // namespace profile
