// libFuzzer harness for the draw record: whatever the bytes of a record, the verification
// ends with an answer, and every line it can split formats back to the same line.
//   see fuzz/run.sh for the build
#include "FuzzSupport.h"

#include "draw/AtomicFile.h"
#include "draw/RecordLine.h"
#include "draw/RecordVerifier.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace lotavo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string& folder = fuzz::scratchFolder();
    static bool prepared = [&] {
        writeFileAtomically(folder + "/Text.txt", "a\r\nb\r\nc\r\nd\r\n", Durability::Renamed);
        return true;
    }();
    (void)prepared;

    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        std::string_view text = bytes.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        record::Line line;
        std::string body, hash;
        if (record::parse(text, line, body, hash)) {
            // What the program writes, it reads back the same.
            std::string again = record::format(line, hash, nullptr);
            record::Line back;
            std::string body2, hash2;
            if (!record::parse(again, back, body2, hash2) || back.kind != line.kind || back.fields != line.fields)
                std::abort();
        }
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }

    std::string recordPath = folder + "/09日14时05分抽奖记录.txt";
    writeFileAtomically(recordPath, bytes, Durability::Renamed);
    Verification v = verifyRecord(folder, recordPath);
    if (v.lines.empty())
        std::abort();
    return 0;
}
