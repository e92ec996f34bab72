#include "setup/KeyNames.h"

#include <array>
#include <utility>

namespace lotavo::ui {

namespace {

constexpr std::array<std::pair<int, const char*>, 52> kNamed {{
    {9, "TAB"},          {12, "Clear"},       {13, "回车键"},      {16, "Shift"},      {17, "Ctrl"},
    {18, "Alt"},         {19, "Pause"},       {20, "CAPITAL"},    {27, "ESC"},        {32, "空格键"},
    {33, "PageUp"},      {34, "PageDown"},    {35, "End"},        {36, "Home"},       {37, "Left"},
    {38, "Up"},          {39, "Right"},       {40, "Down"},       {41, "Selcte"},     {42, "Print"},
    {43, "EXECUTE"},     {44, "SNAPSHOT"},    {45, "INSERT"},     {46, "DELETE"},     {47, "Help"},
    {91, "Left Win"},    {92, "Right Win"},   {93, "Apps"},       {106, "Muitl-Ply"}, {107, "Add"},
    {108, "SEPARATOR"},  {109, "SUBTRACT"},   {110, "DECIMAL"},   {111, "DIVIDE"},    {144, "NUMLOCK"},
    {145, "Scroll"},     {160, "LSHIFT"},     {161, "RSHIFT"},    {162, "Left Ctrl"}, {163, "Right Ctrl"},
    {164, "Left Alt"},   {165, "Right Alt"},  {229, "PROCESSKEY"}, {246, "ATTN"},     {247, "CRSEL"},
    {248, "EXSEL"},      {249, "EREOF"},      {250, "PLAY"},      {251, "ZOOM"},      {252, "NONAME"},
    {253, "PA1"},        {254, "OEM_CLEAR"},
}};

}  // namespace

QString virtualKeyName(int code)
{
    if (code >= 48 && code <= 57)
        return QString(QChar(u'0' + (code - 48)));
    if (code >= 65 && code <= 90)
        return QString(QChar(u'A' + (code - 65)));
    if (code >= 96 && code <= 105)
        return QStringLiteral("小键盘") + QChar(u'0' + (code - 96));
    if (code >= 112 && code <= 135)
        return QStringLiteral("F") + QString::number(code - 111);
    for (const auto& [named, name] : kNamed)
        if (named == code)
            return QString::fromUtf8(name);
    return {};
}

}  // namespace lotavo::ui
