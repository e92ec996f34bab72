// The operator's own decorations on the draw screen: inserted texts (kept in UserLabel.Ini)
// and pictures such as a company logo (kept in the settings file), with their menu.
#include "main/TFrmMain.h"

#include "draw/AtomicFile.h"
#include "draw/Gbk.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/FontNames.h"
#include "present/Pictures.h"
#include "present/QtText.h"
#include "present/SmoothLabel.h"
#include "present/TextEffectKeys.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>

#include <algorithm>

namespace lotavo::ui {

namespace {

const char* kOption = "Option";
constexpr int kTextTag = 2;
constexpr int kPictureTag = 3;
// More than any screen can show; a count beyond it is a damaged file, not a decoration.
constexpr int kMostDecorations = 100;
constexpr int kLargestFont = 300;

std::string textName(int i)
{
    return "MYLabel" + std::to_string(i);
}

std::string pictureName(int i)
{
    return "MYImage" + std::to_string(i);
}

// Writes only what changed (each write rewrites the file) and keeps the first failure.
struct ChangedWriter {
    IniStore& store;
    std::string error;

    void text(const std::string& section, const std::string& key, const std::string& value)
    {
        if (store.hasKey(section, key) && store.readString(section, key, "") == value)
            return;
        keep(store.writeString(section, key, value));
    }
    void number(const std::string& section, const std::string& key, int value)
    {
        if (store.hasKey(section, key) && store.readInteger(section, key, 0) == value)
            return;
        keep(store.writeInteger(section, key, value));
    }
    void flag(const std::string& section, const std::string& key, bool value)
    {
        if (store.hasKey(section, key) && store.readBool(section, key, !value) == value)
            return;
        keep(store.writeBool(section, key, value));
    }
    void keep(std::string failure)
    {
        if (error.empty())
            error = std::move(failure);
    }
};

void setPictureTransparent(PictureView* picture, bool transparent)
{
    picture->setProperty("transparent", transparent);
    picture->setBackgroundColour(transparent ? QColor() : QColor(Qt::white));
}

}  // namespace

int TFrmMain::decorationCount(const char* key) const
{
    return std::clamp(m_settings.readInteger(kOption, key, 0), 0, kMostDecorations);
}

std::string TFrmMain::userLabelFile() const
{
    return m_folder.file("UserLabel.Ini");
}

void TFrmMain::addDecorationMenus(QMenu* face)
{
    QMenu* inserts = face->addMenu(QStringLiteral("插入文字 图片"));
    inserts->setObjectName(QStringLiteral("N55"));
    auto item = [inserts](const char* name, const QString& caption) {
        QAction* action = inserts->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    connect(item("MenuItem4", QStringLiteral("插入文字")), &QAction::triggered, this, &TFrmMain::MenuItem4Click);
    connect(item("Logo1", QStringLiteral("插入图片、徽标")), &QAction::triggered, this, &TFrmMain::Logo1Click);
    connect(item("N37", QStringLiteral("删除文字")), &QAction::triggered, this, &TFrmMain::N37Click);
    connect(item("N49", QStringLiteral("删除图片")), &QAction::triggered, this, &TFrmMain::N49Click);
    N57 = item("N57", QStringLiteral("图片背景透明"));
    N57->setCheckable(true);
    connect(N57, &QAction::triggered, this, &TFrmMain::N57Click);
    N70 = item("N70", QStringLiteral("图片大小允许拉伸"));
    N70->setCheckable(true);
    connect(N70, &QAction::triggered, this, &TFrmMain::N70Click);
}

SmoothLabel* TFrmMain::createInsertedText(int i)
{
    auto* label = new SmoothLabel(this);
    label->setObjectName(QString::fromStdString(textName(i)));
    label->setProperty("tag", kTextTag);
    label->setMouseTracking(true);
    label->installEventFilter(this);
    attachLabelMenu(label);
    connect(label, &SmoothLabel::clicked, this, [this] {
        if (!m_engine->state().design)
            ImgBGClick();
    });
    label->show();
    return label;
}

PictureView* TFrmMain::createInsertedPicture(int i)
{
    auto* picture = new PictureView(this);
    picture->setObjectName(QString::fromStdString(pictureName(i)));
    picture->setProperty("tag", kPictureTag);
    picture->setStretch(true);
    picture->setMouseTracking(true);
    picture->installEventFilter(this);
    picture->show();
    return picture;
}

// A decoration dragged off the screen, or stored there by a damaged file, comes back to its
// edge: nothing else could ever reach it again.
QRect TFrmMain::keptOnScreen(QRect place) const
{
    QSize area = size();
    place.setWidth(std::clamp(place.width(), 0, area.width()));
    place.setHeight(std::clamp(place.height(), 0, area.height()));
    place.moveLeft(std::clamp(place.left(), 0, std::max(0, area.width() - std::max(1, place.width()))));
    place.moveTop(std::clamp(place.top(), 0, std::max(0, area.height() - std::max(1, place.height()))));
    return place;
}

void TFrmMain::LoadAALabel()
{
    int count = decorationCount("NewLabelCount");
    if (count == 0)
        return;
    IniStore texts(userLabelFile());
    for (int i = 1; i <= count; ++i) {
        std::string name = textName(i);
        SmoothLabel* label = createInsertedText(i);
        auto read = [&](const char* key) { return texts.readInteger(name, name + key, 0); };
        label->setFont(storedFont(fromGbk(texts.readString(name, name + "FontName", "")),
                                  std::clamp(read("FontSize"), 0, kLargestFont),
                                  fromGbk(texts.readString(name, name + "FontStyle", "[]"))));
        label->setColour(toQColor(read("FontColor")));
        label->setEffect(readTextEffect(texts, name));
        label->setText(fromGbk(texts.readString(name, name + "Name", "")));
        // The label sizes itself to its text; only the place is taken from the file.
        label->move(keptOnScreen(QRect(QPoint(read("Left"), read("Top")), label->size())).topLeft());
    }
}

void TFrmMain::LoadAAPic()
{
    bool stretchable = m_settings.readBool(kOption, "ReSizePic", false);
    int count = decorationCount("NewPicCount");
    for (int i = 1; i <= count; ++i) {
        std::string name = pictureName(i);
        PictureView* picture = createInsertedPicture(i);
        std::string file = m_folder.resolve(m_settings.readString(name, "Name", ""));
        // A file that is gone or damaged leaves an empty element at its place; the draw goes on.
        if (fileExists(file))
            picture->load(fromPath(file));
        auto read = [&](const char* key) { return m_settings.readInteger(name, name + key, 0); };
        QRect place(read("Left"), read("Top"), read("Width"), read("Height"));
        if (!stretchable && !picture->isEmpty())
            place.setSize(picture->pictureSize());
        picture->setGeometry(keptOnScreen(place));
        setPictureTransparent(picture, m_settings.readBool(name, name + "Transparent", false));
    }
}

void TFrmMain::MenuItem4Click()
{
    QString text;
    if (!inputBox(this, QStringLiteral("提示"), QStringLiteral("请输入欲显示的文字内容 "), text) || text.isEmpty()) {
        takeKeyboardBack();
        return;
    }
    insertText(text);
    takeKeyboardBack();
}

void TFrmMain::insertText(const QString& text)
{
    int i = decorationCount("NewLabelCount") + 1;
    if (i > kMostDecorations) {
        messageBox(this, QStringLiteral("最多只能插入 %1 段文字").arg(kMostDecorations), QStringLiteral("提示"),
                   MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    m_settings.writeInteger(kOption, "NewLabelCount", i);
    SmoothLabel* label = createInsertedText(i);
    TextEffect shadow;
    shadow.shadow = true;
    label->setEffect(shadow);
    label->setFont(storedFont(QStringLiteral("楷体_GB2312"), 26));
    label->setColour(QColor(255, 255, 255));
    label->setText(text);
    label->move(20, 120);
    label->raise();
    // Stored at once: a run that ends without closing does not lose it.
    saveDecorations();
}

void TFrmMain::Logo1Click()
{
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // The descriptions as the operator knows them; the patterns after them take both cases.
    dialog.setNameFilters({QStringLiteral("图像文件(*.jpg *.bmp *.gif) (*.gif *.bmp *.jpg *.GIF *.BMP *.JPG)"),
                           QStringLiteral("JPG格式(*.JPG) (*.jpg *.JPG)"), QStringLiteral("BMP格式(*.BMP) (*.bmp *.BMP)"),
                           QStringLiteral("GIF动画格式(*.GIF) (*.gif *.GIF)")});
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDirectory(fromPath(m_folder.file("Logo")));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        insertPicture(dialog.selectedFiles().constFirst());
    takeKeyboardBack();
}

void TFrmMain::insertPicture(const QString& path)
{
    int i = decorationCount("NewPicCount") + 1;
    if (i > kMostDecorations) {
        messageBox(this, QStringLiteral("最多只能插入 %1 幅图片").arg(kMostDecorations), QStringLiteral("提示"),
                   MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    // A file that cannot be shown is refused before it takes a number.
    DecodedPicture decoded = decodePicture(path);
    if (!decoded.ok()) {
        messageBox(this, QStringLiteral("图片无法读取: %1").arg(decoded.error), QStringLiteral("错误"), MessageButtons::Ok,
                   MessageIcon::Error);
        return;
    }
    m_settings.writeInteger(kOption, "NewPicCount", i);
    m_settings.writeString(pictureName(i), "Name", toPath(path));
    PictureView* picture = createInsertedPicture(i);
    QSize size = decoded.frames.front().size();
    picture->setPicture(std::move(decoded));
    setPictureTransparent(picture, m_settings.readBool(kOption, "NewPicTransparent", false));
    picture->setGeometry(keptOnScreen(QRect(QPoint(0, 0), size)));
    picture->raise();
    saveDecorations();
}

// Only the most recently numbered one goes; its stored section stays, unread.
void TFrmMain::removeLastDecoration(const char* countKey, const std::string& name, const QString& noneLeft)
{
    int count = decorationCount(countKey);
    if (count == 0) {
        messageBox(this, noneLeft, QStringLiteral("提示"), MessageButtons::Ok, MessageIcon::Information);
        takeKeyboardBack();
        return;
    }
    QString wanted = QString::fromStdString(name + std::to_string(count));
    const QObjectList& controls = children();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it)
        if ((*it)->objectName() == wanted) {
            delete *it;
            break;
        }
    m_settings.writeInteger(kOption, countKey, count - 1);
}

void TFrmMain::N37Click()
{
    removeLastDecoration("NewLabelCount", "MYLabel", QStringLiteral("自定义文字已经全部删除"));
}

void TFrmMain::N49Click()
{
    removeLastDecoration("NewPicCount", "MYImage", QStringLiteral("插入的图片已全部删除"));
}

void TFrmMain::N57Click()
{
    m_settings.writeBool(kOption, "NewPicTransparent", N57->isChecked());
}

void TFrmMain::N70Click()
{
    m_settings.writeBool(kOption, "ReSizePic", N70->isChecked());
}

void TFrmMain::applyDecorationChecks()
{
    N57->setChecked(m_settings.readBool(kOption, "NewPicTransparent", false));
    N70->setChecked(m_settings.readBool(kOption, "ReSizePic", false));
}

void TFrmMain::saveDecorations()
{
    if (decorationCount("NewLabelCount") == 0 && decorationCount("NewPicCount") == 0)
        return;
    IniStore textFile(userLabelFile());
    ChangedWriter texts {textFile, {}};
    ChangedWriter pictures {m_settings, {}};
    for (QObject* child : children()) {
        int tag = child->property("tag").toInt();
        std::string name = toGbk(child->objectName());
        if (auto* label = qobject_cast<SmoothLabel*>(child); label && tag == kTextTag) {
            texts.text(name, name + "Name", toGbk(label->text()));
            texts.number(name, name + "Left", label->x());
            texts.number(name, name + "Top", label->y());
            texts.number(name, name + "Height", label->height());
            texts.number(name, name + "Width", label->width());
            texts.text(name, name + "FontName", toGbk(label->font().family()));
            texts.number(name, name + "FontSize", label->font().pointSize());
            texts.number(name, name + "FontColor", fromQColor(label->colour()));
            if (texts.error.empty())
                writeTextEffect(textFile, name, label->effect());
            texts.text(name, name + "FontStyle", toGbk(fontStyleText(label->font())));
        } else if (auto* picture = dynamic_cast<PictureView*>(child); picture && tag == kPictureTag) {
            pictures.number(name, name + "Left", picture->x());
            pictures.number(name, name + "Top", picture->y());
            pictures.number(name, name + "Width", picture->width());
            pictures.number(name, name + "Height", picture->height());
            pictures.flag(name, name + "Transparent", picture->property("transparent").toBool());
        }
    }
    std::string error = texts.error.empty() ? pictures.error : texts.error;
    if (!error.empty())
        showErrorMessage(QStringLiteral("插入的文字和图片无法保存: %1").arg(QString::fromStdString(error)));
}

}  // namespace lotavo::ui
