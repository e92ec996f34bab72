#include "present/TfrmZJSList.h"

#include "draw/AtomicFile.h"
#include "draw/ListFile.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/ListPrintJob.h"
#include "present/QtText.h"
#include "present/ViewerPrompts.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lotavo::ui {

namespace {

// The decoration at the top right: a gold medal on a red ribbon.
QPixmap medal(QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 24, 30));
    p.drawPolygon(QPolygonF({{w * 0.30, 0}, {w * 0.45, 0}, {w * 0.58, h * 0.45}, {w * 0.43, h * 0.50}}));
    p.drawPolygon(QPolygonF({{w * 0.70, 0}, {w * 0.55, 0}, {w * 0.42, h * 0.45}, {w * 0.57, h * 0.50}}));
    const QRectF disc(w * 0.22, h * 0.36, w * 0.56, w * 0.56);
    QRadialGradient gold(disc.center() - QPointF(w * 0.08, w * 0.08), disc.width() * 0.6);
    gold.setColorAt(0, QColor(255, 240, 150));
    gold.setColorAt(1, QColor(212, 160, 23));
    p.setBrush(gold);
    p.setPen(QPen(QColor(160, 110, 10), 2));
    p.drawEllipse(disc);
    QFont font(QStringLiteral("黑体"));
    font.setPixelSize(static_cast<int>(disc.height() * 0.5));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(180, 20, 20));
    p.drawText(disc, Qt::AlignCenter, QStringLiteral("奖"));
    return picture;
}

// The lines of the text as a list of lines has them: a final line break adds no empty line.
QStringList textLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

}  // namespace

TfrmZJSList::TfrmZJSList(IniStore& settings, ProgramFolder folder, std::string resultsFileName, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_settings(settings), m_folder(std::move(folder)), m_resultsFileName(std::move(resultsFileName)),
      m_prompts(std::make_unique<ViewerPrompts>())
{
    setObjectName(QStringLiteral("frmZJSList"));
    setWindowTitle(QStringLiteral("查看中奖结果"));
    setFixedSize(540, 339);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(5, 5, 412, 329);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont text = Memo1->font();
    text.setPointSize(11);  // names in Chinese stay legible
    Memo1->setFont(text);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(440, 5, 80, 90);
    Image1->setPixmap(medal(Image1->size()));

    auto button = [this](const char* name, const QString& text, int y) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(425, y, 110, 27);
        b->setAutoDefault(false);
        return b;
    };
    Button4 = button("Button4", QStringLiteral("打开文件"), 110);
    Button3 = button("Button3", QStringLiteral("另存为文件"), 145);
    Button5 = button("Button5", QStringLiteral("打印字体设置"), 180);
    CheckBox1 = new QCheckBox(QStringLiteral("单列打印"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(432, 214, 100, 22);
    Button2 = button("Button2", QStringLiteral("打      印"), 242);
    Button1 = button("Button1", QStringLiteral("退  出"), 300);

    FormCreate();

    connect(Button4, &QPushButton::clicked, this, &TfrmZJSList::Button4Click);
    connect(Button3, &QPushButton::clicked, this, &TfrmZJSList::Button3Click);
    connect(Button5, &QPushButton::clicked, this, &TfrmZJSList::Button5Click);
    connect(CheckBox1, &QCheckBox::clicked, this, &TfrmZJSList::CheckBox1Click);
    connect(Button2, &QPushButton::clicked, this, &TfrmZJSList::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &QDialog::close);
}

TfrmZJSList::~TfrmZJSList() = default;

void TfrmZJSList::setPrompts(std::unique_ptr<ViewerPrompts> prompts)
{
    m_prompts = std::move(prompts);
}

void TfrmZJSList::FormCreate()
{
    CheckBox1->setChecked(m_settings.readBool("Option", "PrintCol1", false));
    int lines = 0;
    loadText(m_folder.file(gbk::toUtf8(m_resultsFileName)), &lines);
    setWindowTitle(QStringLiteral("当前\"中奖名单\"文件名为: ") + fromGbk(m_resultsFileName) +
                   QStringLiteral("  总行数") + QString::number(lines) + QStringLiteral("行"));
}

bool TfrmZJSList::loadText(const std::string& path, int* lineCount)
{
    std::string bytes, error;
    if (!readWholeFile(path, bytes, &error)) {
        messageBox(this, QStringLiteral("无法打开文件: %1").arg(fromPath(error)), QStringLiteral("错误"),
                   MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    if (lineCount)
        *lineCount = static_cast<int>(parseLines(bytes).size());
    QString text = fromGbk(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Memo1->setPlainText(text);
    return true;
}

void TfrmZJSList::Button4Click()
{
    QString name = m_prompts->openFileName(this, fromPath(m_folder.path()));
    if (!name.isEmpty())
        loadText(toPath(name));
}

void TfrmZJSList::Button3Click()
{
    QString name = m_prompts->saveFileName(this);
    if (name.isEmpty())
        return;
    // The text is saved as a text file: the extension is added unless it was typed already.
    if (!name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
        name += QStringLiteral(".txt");
    EntryList lines;
    for (const QString& line : textLines(Memo1->toPlainText()))
        lines.push_back(toGbk(line));
    std::string error = saveList(lines, toPath(name));
    if (!error.empty())
        messageBox(this, QStringLiteral("文件没有保存: %1").arg(fromPath(error)), QStringLiteral("错误"),
                   MessageButtons::Ok, MessageIcon::Error);
}

void TfrmZJSList::Button5Click()
{
    QFont font(fromGbk(m_settings.readString("Print", "FontName", gbk::literal("宋体"))));
    font.setPointSize(std::max(1, m_settings.readInteger("Print", "Size", 12)));
    if (!m_prompts->chooseFont(this, font))
        return;
    m_settings.writeInteger("Print", "Size", font.pointSize() > 0 ? font.pointSize() : 12);
    m_settings.writeString("Print", "FontName", toGbk(font.family()));
}

void TfrmZJSList::CheckBox1Click()
{
    m_settings.writeBool("Option", "PrintCol1", CheckBox1->isChecked());
}

void TfrmZJSList::Button2Click()
{
    if (!checkPrinterInstalled(this))
        return;
    // The hint speaks of two columns whatever the check box says; the print follows the box.
    messageBox(this, QStringLiteral("请准备A4纸张,装入打印机, 名单每页分二列打印"), QStringLiteral("提示"),
               MessageButtons::Ok, MessageIcon::Information);
    printListJob(this, ListPrintRequest::fromSettings(m_settings, textLines(Memo1->toPlainText())));
}

}  // namespace lotavo::ui
