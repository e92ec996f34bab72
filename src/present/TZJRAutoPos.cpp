#include "present/TZJRAutoPos.h"

#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/MoverSizer.h"
#include "present/Pictures.h"
#include "present/QtText.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

#include <algorithm>

namespace lotavo::ui {

namespace {

constexpr const char* kSection = "frmMainLabel";
const QSize kDefinedSize(501, 401);
// Height of the two rows below the preview (spacing and button) with their margins.
constexpr int kControlsHeight = 140;
const char16_t* kSpacingText = u"中奖人排列 行间距         像素,列间距         像素";

// Offsets of the two runs of blanks in the spacing text, where the spin boxes sit.
struct Blanks {
    int first = 0, second = 0, width = 0;
};

Blanks blanksOf(const QString& text, const QFontMetrics& metrics)
{
    Blanks blanks;
    qsizetype a = text.indexOf(QStringLiteral("  "));
    qsizetype aEnd = text.indexOf(QChar(u'像'), a);
    qsizetype b = text.indexOf(QStringLiteral("  "), aEnd);
    blanks.first = metrics.horizontalAdvance(text.left(a));
    blanks.second = metrics.horizontalAdvance(text.left(b));
    blanks.width = metrics.horizontalAdvance(text.mid(a, aEnd - a));
    return blanks;
}

}  // namespace

QSize TZJRAutoPos::dialogSize(QSize screen)
{
    QSize preview(screen.width() / 3, screen.height() / 3);
    return QSize(std::max(kDefinedSize.width(), preview.width() + 20),
                 std::max(kDefinedSize.height(), preview.height() + kControlsHeight));
}

TZJRAutoPos::TZJRAutoPos(IniStore& settings, ProgramFolder folder, QSize screen, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_settings(settings),
      m_folder(std::move(folder)), m_screen(screen)
{
    setObjectName(QStringLiteral("ZJRAutoPos"));
    setWindowTitle(QStringLiteral("自动排列位置设定 "));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(16249847));
    setPalette(colours);
    setAutoFillBackground(true);
    setFixedSize(dialogSize(screen));
    createComponents();
    FormCreate();
}

void TZJRAutoPos::open(IniStore& settings, const ProgramFolder& folder, QWidget* owner, const QString& captionSuffix)
{
    QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    TZJRAutoPos dialog(settings, folder, screen ? screen->geometry().size() : QSize(1024, 768), owner);
    dialog.setWindowTitle(dialog.windowTitle() + captionSuffix);
    dialog.exec();
}

void TZJRAutoPos::createComponents()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette silver = Panel1->palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    Panel1->setPalette(silver);
    Panel1->setAutoFillBackground(true);

    Image1 = new PictureView(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setStretch(true);
    Label2 = new QLabel(QStringLiteral("\n弹出画面预览"), Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Light on the dark pop-up backgrounds, which are the usual ones.
    QPalette light = Label2->palette();
    light.setColor(QPalette::WindowText, Qt::white);
    Label2->setPalette(light);

    Label1 = new QLabel(QStringLiteral("\n中奖人自动排列区域"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setAutoFillBackground(true);
    QPalette tip = Label1->palette();
    tip.setColor(QPalette::Window, QPalette().color(QPalette::ToolTipBase));
    tip.setColor(QPalette::WindowText, QPalette().color(QPalette::ToolTipText));
    Label1->setPalette(tip);
    Label1->setGeometry(0, 0, 129, 97);

    lbltipLabel5 = new QLabel(QString::fromUtf16(kSpacingText), this);
    lbltipLabel5->setObjectName(QStringLiteral("lbltipLabel5"));
    // A face with half-width Latin blanks, so each run of nine blanks holds a spin box.
    QFont grid;
    grid.setFamilies({QStringLiteral("AR PL UMing CN"), QStringLiteral("宋体")});
    grid.setPixelSize(14);
    lbltipLabel5->setFont(grid);
    lbltipLabel5->adjustSize();
    SpinEdit3 = new QSpinBox(this);
    SpinEdit3->setObjectName(QStringLiteral("SpinEdit3"));
    SpinEdit4 = new QSpinBox(this);
    SpinEdit4->setObjectName(QStringLiteral("SpinEdit4"));
    for (QSpinBox* spin : {SpinEdit3, SpinEdit4})
        spin->setRange(0, 999);

    Button1 = new QPushButton(QStringLiteral("确   定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);

    Resizer1 = new MoverSizer(this);
    Resizer1->setObjectName(QStringLiteral("Resizer1"));
    Resizer1->setGrid(1, 1);
    Resizer1->setKeepInParent(true);

    connect(SpinEdit3, &QSpinBox::valueChanged, this, &TZJRAutoPos::SpinEdit3Change);
    connect(SpinEdit4, &QSpinBox::valueChanged, this, &TZJRAutoPos::SpinEdit4Change);
    connect(Button1, &QPushButton::clicked, this, &TZJRAutoPos::Button1Click);
}

void TZJRAutoPos::FormCreate()
{
    QSize outer = dialogSize(m_screen);
    int width = m_screen.width() / 3;
    int height = m_screen.height() / 3;
    Panel1->setGeometry((outer.width() - width) / 2, (outer.height() - height) / 2 - 14, width, height);
    Image1->setGeometry(Panel1->rect());
    Label2->setGeometry(Panel1->rect());
    placeControls();

    int allWidth = m_settings.readInteger(kSection, "AllWidth", m_screen.width() - 20);
    Label1->setGeometry(m_settings.readInteger(kSection, "Sc_Left", 10) / 3,
                        m_settings.readInteger(kSection, "Sc_Top", 10) / 3, allWidth / 4, Label1->height());
    {
        // Showing the stored spacing is no change of it.
        const QSignalBlocker b3(SpinEdit3), b4(SpinEdit4);
        SpinEdit3->setValue(m_settings.readInteger(kSection, "Sc_Hang", 15));
        SpinEdit4->setValue(m_settings.readInteger(kSection, "Sc_Le", 15));
    }
    loadPreview();
    // Also after a failed preview: the area can be placed on the grey panel all the same.
    Resizer1->setActive(true);
    Resizer1->attach(Label1);
}

void TZJRAutoPos::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The mover's frame is shown along with the dialog and would lie over the area.
    Label1->raise();
}

void TZJRAutoPos::placeControls()
{
    int rowTop = height() - 78;
    lbltipLabel5->move(20, rowTop + 4);
    Blanks blanks = blanksOf(lbltipLabel5->text(), QFontMetrics(lbltipLabel5->font()));
    int spinHeight = std::max(24, lbltipLabel5->height() + 6);
    SpinEdit3->setGeometry(20 + blanks.first + 2, rowTop, blanks.width - 4, spinHeight);
    SpinEdit4->setGeometry(20 + blanks.second + 2, rowTop, blanks.width - 4, spinHeight);
    Button1->setGeometry(width() - 120, height() - 42, 100, 32);
    for (QWidget* control : {static_cast<QWidget*>(lbltipLabel5), static_cast<QWidget*>(SpinEdit3),
                             static_cast<QWidget*>(SpinEdit4), static_cast<QWidget*>(Button1)})
        control->raise();
}

void TZJRAutoPos::loadPreview()
{
    std::string stored = m_settings.readString("Option", "imgPopBG", "");
    QString path = stored.empty() ? QString() : fromPath(m_folder.resolve(stored));
    QString error;
    if (!Image1->load(path, &error))
        showErrorMessage(QStringLiteral("无法载入弹出画面背景图片\"%1\"\r%2").arg(fromGbk(stored), error));
}

void TZJRAutoPos::write(const char* key, int value)
{
    std::string error = m_settings.writeInteger(kSection, key, value);
    if (!error.empty() && !m_writeFailed)
        showErrorMessage(QStringLiteral("设置无法保存:\r") + QString::fromStdString(error));
    m_writeFailed = !error.empty();
}

void TZJRAutoPos::SpinEdit3Change()
{
    write("Sc_Hang", SpinEdit3->value());
}

void TZJRAutoPos::SpinEdit4Change()
{
    write("Sc_Le", SpinEdit4->value());
}

void TZJRAutoPos::Button1Click()
{
    Resizer1->detach();
    write("Sc_Left", Label1->x() * 3);
    write("Sc_Top", Label1->y() * 3);
    write("AllWidth", Label1->width() * 4);
    accept();
}

}  // namespace lotavo::ui
