#include "config/ui/Pickers.h"

#include "config/ConfigValidation.h"
#include "config/ui/ColourLabel.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"
#include "shared/Global_Declarations.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr std::int32_t kSwatches[17] = {0,        255,      65535,    8421631,  8438015,  8454143,
                                        8454016,  16777088, 16744576, 65280,    16777152, 12632319,
                                        12640511, 12648384, 16777152, 16761024, 16711935};
const char* const kSwatchCaptions[17] = {"",  "1", "2", "3", "4", "5", "6", "7", "8",
                                         "A", "B", "C", "D", "E", "F", "G", "H"};

gv::ClickLabel* cancelLabel(QWidget* parent, const char* name)
{
    auto* x = new gv::ClickLabel(QStringLiteral("X"), parent);
    x->setObjectName(QString::fromLatin1(name));
    x->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0); font-weight: bold; font-size: 14pt;"));
    x->setToolTip(QStringLiteral("cancel"));
    return x;
}

} // namespace

// ------------------------------------------------------------------ ColourCHART

ColourCHART::ColourCHART(gv::Global_Declarations& g, QWidget* parent) : QDialog(parent), g_(g)
{
    setWindowTitle(QStringLiteral("LINE Colour Setting chart"));
    setModal(true);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    const int side = gv::twips(375);
    const int pitch = gv::twips(480);
    for (int k = 1; k <= 16; ++k) {
        auto* s = new gv::ClickLabel(QString::fromLatin1(kSwatchCaptions[k]), Frame1);
        s->setObjectName(QStringLiteral("Label%1").arg(k));
        s->setAlignment(Qt::AlignCenter);
        s->setFixedSize(side, side);
        gv::setLabelColour(s, kSwatches[k]);
        const int row = (k - 1) / 8;
        const int col = (k - 1) % 8;
        s->move(10 + col * pitch, 12 + row * pitch);
        Swatch[k] = s;
        connect(s, &gv::ClickLabel::clicked, this, [this, k] { Label_Click(k); });
    }
    Frame1->setFixedSize(20 + 7 * pitch + side, 24 + pitch + side);

    Label17 = cancelLabel(this, "Label17");
    connect(Label17, &gv::ClickLabel::clicked, this, &ColourCHART::Label17_Click);

    auto* h = new QHBoxLayout(this);
    h->addWidget(Frame1);
    h->addWidget(Label17, 0, Qt::AlignTop);
}

void ColourCHART::Label_Click(int k)
{
    // The colour the swatch itself shows.
    g_.PickedColour = gv::labelColour(Swatch[k]);
    accept();
}

void ColourCHART::Label17_Click()
{
    reject();
}

// ------------------------------------------------------------- text pickers

TextPickerBase::TextPickerBase(gv::Global_Declarations& g, QWidget* parent, const QString& caption,
                               const QString& saveCaption, std::int32_t saveColour, const QString& what)
    : QDialog(parent), g_(g), what_(what)
{
    setWindowTitle(caption);
    setModal(true);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMinimumWidth(220);
    Label1 = new gv::ClickLabel(saveCaption, Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMargin(4);
    gv::setLabelColour(Label1, saveColour);
    Label2 = cancelLabel(this, "Label2");

    auto* inner = new QVBoxLayout(Frame1);
    inner->addWidget(Text1);
    inner->addWidget(Label1);
    auto* h = new QHBoxLayout(this);
    h->addWidget(Frame1, 1);
    h->addWidget(Label2, 0, Qt::AlignTop);

    connect(Label1, &gv::ClickLabel::clicked, this, &TextPickerBase::Label1_Click);
    connect(Label2, &gv::ClickLabel::clicked, this, &TextPickerBase::Label2_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &TextPickerBase::Label1_Click);
}

void TextPickerBase::Form_Load()
{
    Text1->setText(QString::fromStdString(g_.InputText));
}

void TextPickerBase::Label1_Click()
{
    const std::string text = Text1->text().toStdString();
    // The text goes between the tags of an item in channels.cfg: a "<", ">"
    // or line break there would break the file for every reader, and a
    // character without a byte in the file's code page would come back as "?".
    const std::string refusal = gv::itemTextRefusal(text, what_.toStdString());
    if (!refusal.empty()) {
        gv::showMessage(this, QString::fromStdString(refusal));
        return;
    }
    g_.InputText = text;
    accept();
}

void TextPickerBase::Label2_Click()
{
    reject();
}

TextInput::TextInput(gv::Global_Declarations& g, QWidget* parent)
    : TextPickerBase(g, parent, QStringLiteral("Text Input Window"), QStringLiteral("SAVE Custom channel NAME"),
                     8454143, QStringLiteral("The channel name"))
{
    Frame1->setFlat(true);
    Frame1->setStyleSheet(QStringLiteral("QGroupBox { border: none; }"));
    Form_Load();
}

XMLcodeINPUT::XMLcodeINPUT(gv::Global_Declarations& g, QWidget* parent)
    : TextPickerBase(g, parent, QStringLiteral("XML coding change window"),
                     QStringLiteral("click to SAVE XML code"), 65535, QStringLiteral("The XML code"))
{
    Form_Load();
}
