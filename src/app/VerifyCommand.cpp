#include "app/VerifyCommand.h"

#include "draw/RecordVerifier.h"

#include <filesystem>
#include <iostream>
#include <string>

namespace lotavo {

int runVerify(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::cerr << "用法: lotavo-draw --verify 目录 [抽奖记录文件]\n";
        return 2;
    }
    std::string folder = std::filesystem::absolute(argv[2]).lexically_normal().string();
    if (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    if (!std::filesystem::is_directory(folder)) {
        std::cerr << "找不到程序目录: " << argv[2] << "\n";
        return 1;
    }
    std::string recordPath;
    if (argc == 4) {
        recordPath = argv[3];
        if (!std::filesystem::exists(recordPath) && std::filesystem::exists(folder + "/" + recordPath))
            recordPath = folder + "/" + recordPath;
    } else {
        recordPath = newestRecord(folder);
        if (recordPath.empty()) {
            std::cerr << "目录中没有抽奖记录 (…抽奖记录.txt): " << folder << "\n";
            return 1;
        }
    }
    std::cout << "抽奖记录: " << recordPath << "\n";
    Verification result = verifyRecord(folder, recordPath);
    for (size_t i = 0; i < result.lines.size(); ++i)
        (result.verified || i + 1 < result.lines.size() ? std::cout : std::cerr) << result.lines[i] << "\n";
    if (!result.verified)
        std::cerr << "verification failed after " << result.presses << " presses\n";
    return result.verified ? 0 : 1;
}

}  // namespace lotavo
