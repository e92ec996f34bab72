#include "setup/TfrmControlPan.h"

#include "draw/DrawEngine.h"
#include "present/QtText.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/PlacedLabel.h"
#include "setup/DrawScreenLink.h"

#include <QCheckBox>
#include <QCursor>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolTip>

namespace lotavo::ui {

namespace {

constexpr int kDetailTab = 6;

// The captions leave runs of half-width spaces where a spin box sits; a font with the
// half-width Latin and full-width Chinese advances of 宋体 keeps those gaps wide enough.
QFont panelFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("宋体")});
    font.setPixelSize(12);
    return font;
}

}  // namespace

TfrmControlPan::TfrmControlPan(IniStore& settings, ProgramFolder folder, DrawScreenLink& screen, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                          Qt::WindowTitleHint),
      m_settings(settings), m_folder(std::move(folder)), m_screen(screen)
{
    setObjectName(QStringLiteral("frmControlPan"));
    setWindowTitle(QStringLiteral("高级设定"));
    setFont(panelFont());
    setFixedSize(547, 271);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(6, 6, 535, 226);
    createStartPage();
    createSpeedPage();
    createPrivacyPage();
    createShowOnlyPage();
    createSerialPage();
    createOtherPage();
    createDetailPage();
    createKeysPage();

    Button1 = new QPushButton(QStringLiteral("确  定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(455, 238, 86, 26);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    FormShow();
    PageControl1->setCurrentIndex(kDetailTab);
}

QWidget* TfrmControlPan::addPage(const char* caption)
{
    auto* page = new QWidget;
    PageControl1->addTab(page, QString::fromUtf8(caption));
    return page;
}

QCheckBox* TfrmControlPan::check(QWidget* page, const char* name, const char* caption, int x, int y, bool designed)
{
    auto* box = new QCheckBox(QString::fromUtf8(caption), page);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(designed);
    box->move(x, y);
    box->adjustSize();
    return box;
}

QSpinBox* TfrmControlPan::spin(QWidget* page, const char* name, int min, int max, int designed, int x, int y,
                               int width)
{
    auto* box = new QSpinBox(page);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(min, max);
    box->setValue(designed);
    box->setGeometry(x, y, width, 21);
    return box;
}

QLabel* TfrmControlPan::label(QWidget* page, const QString& text, int x, int y)
{
    return placedLabel(page, text, x, y);
}

QLineEdit* TfrmControlPan::edit(QWidget* page, const char* name, const QString& designed, int x, int y, int width)
{
    auto* field = new QLineEdit(designed, page);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(x, y, width, 21);
    return field;
}

void TfrmControlPan::bindCheck(QCheckBox* box, const char* section, const char* key, std::function<void(bool)> also)
{
    connect(box, &QCheckBox::toggled, this, [this, section, key, also](bool checked) {
        if (also)
            also(checked);
        writeBool(section, key, checked);
    });
}

void TfrmControlPan::bindSpin(QSpinBox* box, const char* key, int factor, std::function<void(int)> also)
{
    connect(box, &QSpinBox::valueChanged, this, [this, key, factor, also](int value) {
        if (also)
            also(value);
        writeInteger(kOption, key, value * factor);
    });
}

void TfrmControlPan::bindEdit(QLineEdit* field, const char* key, std::function<void(const QString&)> also)
{
    connect(field, &QLineEdit::textChanged, this, [this, key, also](const QString& text) {
        if (also)
            also(text);
        writeText(kOption, key, text);
    });
}

void TfrmControlPan::showHintOnEnter(QWidget* control, const QString& hint)
{
    control->setToolTip(hint);
    control->installEventFilter(this);
}

bool TfrmControlPan::eventFilter(QObject* watched, QEvent* event)
{
    // The hint comes at once, not after the usual tool-tip delay.
    if (event->type() == QEvent::Enter)
        if (auto* control = qobject_cast<QWidget*>(watched); control && !control->toolTip().isEmpty())
            QToolTip::showText(QCursor::pos(), control->toolTip(), control);
    return QDialog::eventFilter(watched, event);
}

void TfrmControlPan::written(const char* section, const char* key, const std::string& error, bool notify)
{
    // One notice is enough: a read-only or full disk fails every following write the same way.
    if (!error.empty() && !m_writeFailed) {
        m_writeFailed = true;
        showErrorMessage(QStringLiteral("设置无法保存：") + QString::fromStdString(error));
    }
    if (notify)
        m_screen.settingChanged(section, key);
}

void TfrmControlPan::writeBool(const char* section, const char* key, bool value)
{
    written(section, key, m_settings.writeBool(section, key, value));
}

void TfrmControlPan::writeInteger(const char* section, const char* key, int value)
{
    written(section, key, m_settings.writeInteger(section, key, value));
}

void TfrmControlPan::writeText(const char* section, const char* key, const QString& value)
{
    written(section, key, m_settings.writeString(section, key, toGbk(value)));
}

bool TfrmControlPan::readBool(const char* key, bool defaultValue) const
{
    return m_settings.readBool(kOption, key, defaultValue);
}

int TfrmControlPan::readInteger(const char* key, int defaultValue) const
{
    return m_settings.readInteger(kOption, key, defaultValue);
}

QString TfrmControlPan::readText(const char* key, const char* defaultValue) const
{
    return fromGbk(m_settings.readString(kOption, key, gbk::fromUtf8(defaultValue)));
}

QString TfrmControlPan::choosePicture()
{
    if (m_pictureChooser)
        return m_pictureChooser();
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // The descriptions as the operator knows them; the patterns after them take both cases.
    dialog.setNameFilters({QStringLiteral("图像文件(*.jpg *.bmp *.gif) (*.bmp *.jpg *.gif *.BMP *.JPG *.GIF)"),
                           QStringLiteral("JPG格式(*.JPG) (*.jpg *.JPG)"),
                           QStringLiteral("BMP格式(*.BMP) (*.bmp *.BMP)")});
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDirectory(fromPath(m_folder.path()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void TfrmControlPan::FormShow()
{
    // The lock box first: when it comes up ticked it ticks CheckBox7 and halts the screen.
    loadStartPage();
    loadSpeedPage();
    loadDisplayPages();
    loadOtherPages();
    loadKeysPage();
}

void TfrmControlPan::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        FormClose();
    }
    QDialog::done(result);
}

void TfrmControlPan::FormClose()
{
    DrawEngine& engine = m_screen.engine();
    m_screen.settingChanged("JXPic", "SpeedButton" + std::to_string(engine.state().currentLevel));
    m_screen.settingChanged(kOption, "AniPopCaption");

    if (CheckBox9->isChecked()) {
        messageBox(this, QStringLiteral("自动抽奖（无需人为控制自动抽取）的选项为打开状态"), QStringLiteral("提示"),
                   MessageButtons::Ok, MessageIcon::Information);
        m_screen.settingChanged(kOption, "AutoDown");
    }

    if (engine.options().mode == 3) {
        writeInteger("Number", "AllJJ", 1);
        writeInteger("JxNumberAAT", "r1", 1);
        for (int level = 2; level <= 20; ++level) {
            std::string key = "RzEdit" + std::to_string(level);
            written("JxTitle", key.c_str(), m_settings.writeString("JxTitle", key, ""));
        }
    }
}

}  // namespace lotavo::ui
