#include <gtest/gtest.h>
#include <json/json.h>

#include <sstream>

#include "DeviceProbe.h"
#include "platform/Trace.h"
#include "platform/hid/HidBackend.h"

namespace {

class ProbeDeviceTest : public ::testing::Test {
protected:
    void TearDown() override { platform::InstallHidBackend(nullptr); }
};

// The table rows a listed collection fits, as row numbers.
std::vector<int> Rows(const Json::Value& item) {
    std::vector<int> rows;
    for (const Json::Value& row : item["TableRows"]) {
        rows.push_back(row["Row"].asInt());
    }
    return rows;
}

TEST_F(ProbeDeviceTest, SimulatedKeyboardAndMouseAreListedWithTheirTableRows) {
    std::ostringstream out, err;
    ASSERT_EQ(RunDeviceProbe({"--simulate", "keyboard,mouse"}, out, err), 0) << err.str();
    Json::Value list;
    std::istringstream in(out.str());
    ASSERT_TRUE(Json::parseFromStream(Json::CharReaderBuilder(), in, &list, nullptr));
    bool keyboardCommand = false, mouseCommand = false, keyboardEvent = false;
    for (const Json::Value& item : list) {
        const std::string path = item["Path"].asString();
        if (path.find("sim/") == std::string::npos) {
            continue;
        }
        const std::vector<int> rows = Rows(item);
        if (path.find("vid_320f&pid_5055&mi_01&col04") != std::string::npos) {
            keyboardCommand = rows == std::vector<int>{0};
            EXPECT_EQ(item["UsagePage"].asString(), "0xff1c");
            EXPECT_EQ(item["Usage"].asString(), "0x0092");
            EXPECT_EQ(item["Collection"].asInt(), 4);
        }
        if (path.find("vid_320f&pid_5055&mi_01&col03") != std::string::npos) {
            keyboardEvent = rows == std::vector<int>{1};
        }
        if (path.find("vid_320f&pid_0000&mi_01&col04") != std::string::npos) {
            // Product ID 0 is shared by the receivers, the mouse and the pad.
            mouseCommand = rows == std::vector<int>({2, 4, 6, 8});
        }
    }
    EXPECT_TRUE(keyboardCommand);
    EXPECT_TRUE(keyboardEvent);
    EXPECT_TRUE(mouseCommand);
}

TEST_F(ProbeDeviceTest, InfoRunsTheTransactionAndTracesCheckedPackets) {
    platform::ScopedTraceCapture trace;
    std::ostringstream out, err;
    const std::string path = "hid#vid_320f&pid_5055&mi_01&col04#sim/keyboard-cable-1/if1";
    ASSERT_EQ(RunDeviceProbe({"--simulate", "keyboard", "--info", path}, out, err), 0)
        << err.str() << out.str();
    const std::string text = out.str();
    EXPECT_NE(text.find("Begin: 1\nReadInfo: 1\nEnd: 1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("key table entries (byte 5): 122"), std::string::npos) << text;
    // ReadInfo: checksum 0x25 = command 0x03 + length 0x22.
    EXPECT_TRUE(trace.Contains("04 25 00 03   22 00 00 00"));
    EXPECT_TRUE(trace.Contains("返回"));
}

TEST_F(ProbeDeviceTest, BadCommandLinesAreRefused) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"unknown kind", {"--simulate", "keyboard,toaster"}},
        {"missing kinds", {"--simulate"}},
        {"index past the list", {"--simulate", "pad", "--info", "999"}},
        {"absent path", {"--info", "hid#vid_320f&pid_5055&mi_01&col04#nowhere"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::ostringstream out, err;
        EXPECT_EQ(RunDeviceProbe(c.args, out, err), 2);
        EXPECT_FALSE(err.str().empty());
    }
}

}  // namespace
