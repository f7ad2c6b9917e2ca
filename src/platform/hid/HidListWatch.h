// Tells the discovery worker whether the system's list of HID nodes may have
// changed since it last asked, so that an unchanged list is not enumerated
// again ten times a second.
#pragma once

#include <string>
#include <vector>

namespace platform {

class HidListWatch {
public:
    virtual ~HidListWatch() = default;
    // True on the first call, and whenever the list may differ from the one
    // seen at the previous call (also when it cannot be read).
    virtual bool Changed() = 0;
};

// Watches a folder of hidraw nodes (/sys/class/hidraw): its entry names and
// where each entry links to. The link names the HID device instance, whose
// number the kernel never reuses, so a device that is unplugged and plugged
// back between two looks still counts as a change.
class HidrawFolderWatch : public HidListWatch {
public:
    static constexpr char kDefaultFolder[] = "/sys/class/hidraw";

    explicit HidrawFolderWatch(std::string folder = kDefaultFolder);
    bool Changed() override;

private:
    // False when the folder exists but cannot be read.
    bool Snapshot(std::vector<std::string>& entries) const;

    std::string m_folder;
    std::vector<std::string> m_last;
    bool m_first = true;
};

}  // namespace platform
