#pragma once
// A temporary folder in memory (/dev/shm) when the machine has one, otherwise in the usual
// temporary folder; removed with the object. A process killed with SIGKILL leaves the same
// files on either, since its writes already sit in the kernel; memory only spares the many
// killed saves the wait for the disk.
#include <filesystem>
#include <string>

class TFolderRoboczy {
public:
    TFolderRoboczy();
    ~TFolderRoboczy();
    TFolderRoboczy(const TFolderRoboczy&) = delete;
    TFolderRoboczy& operator=(const TFolderRoboczy&) = delete;
    std::string Plik(const std::string& nazwa) const { return (fSciezka / nazwa).string(); }

private:
    std::filesystem::path fSciezka;
};
