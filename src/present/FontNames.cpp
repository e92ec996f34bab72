#include "present/FontNames.h"

#include "present/QtText.h"

#include <QFontDatabase>
#include <QStringList>

namespace lotavo::ui {

void installFontSubstitutions()
{
    const QStringList serif {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                             QStringLiteral("Noto Sans CJK SC")};
    const QStringList kai {QStringLiteral("AR PL UKai CN"), QStringLiteral("Noto Serif CJK SC"),
                           QStringLiteral("Noto Sans CJK SC")};
    const QStringList sans {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")};
    for (const char* name : {"宋体", "新宋体", "SimSun", "NSimSun", "仿宋", "仿宋_GB2312", "FangSong"})
        QFont::insertSubstitutions(QString::fromUtf8(name), serif);
    for (const char* name : {"楷体", "楷体_GB2312", "KaiTi", "KaiTi_GB2312", "华文行楷", "隶书"})
        QFont::insertSubstitutions(QString::fromUtf8(name), kai);
    for (const char* name : {"黑体", "SimHei", "微软雅黑", "Microsoft YaHei", "幼圆"})
        QFont::insertSubstitutions(QString::fromUtf8(name), sans);
}

QFont storedFont(const QString& name, int pointSize, const QString& styleText)
{
    QFont font(name.isEmpty() ? QStringLiteral("宋体") : name);
    font.setPointSize(pointSize > 0 ? pointSize : 10);
    ini::FontStyle style = ini::parseFontStyle(toGbk(styleText));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeOut);
    return font;
}

QString fontStyleText(const QFont& font)
{
    ini::FontStyle style {font.bold(), font.italic(), font.underline(), font.strikeOut()};
    return QString::fromStdString(ini::formatFontStyle(style));
}

}  // namespace lotavo::ui
