#include "draw/ListNotice.h"

#include "draw/Gbk.h"

#include <filesystem>

namespace lotavo {

void tellUnmappable(DrawHost& host, const std::string& path, const ListDecoding& decoding)
{
    if (decoding.unmappable.empty())
        return;
    std::string name = std::filesystem::path(path).filename().string();
    std::string text = "名单文件 " + name + " 中有 GBK 无法表示的字符,抽奖时显示为\"?\": " +
                       listUnmappable(decoding.unmappable) + "\r\n请检查名单中的这些字符。";
    host.showMessage(gbk::literal(text), gbk::literal("提示"), MessageButtons::Ok, MessageIcon::Warning);
}

}  // namespace lotavo
