#pragma once
// The three small pickers the channel editors open to change one value of a
// row.  Each exchanges its value with the caller through one shared buffer:
// PickedColour for the colour chart, InputText for the two text dialogs.  The
// caller presets the buffer, shows the picker modally and copies the buffer
// back afterwards; a cancelled picker leaves the preset value in it.

#include <QDialog>
#include <cstdint>

class QGroupBox;
class QLineEdit;

namespace gv {
struct Global_Declarations;
class ClickLabel;
}

class ColourCHART : public QDialog {
    Q_OBJECT
public:
    explicit ColourCHART(gv::Global_Declarations& g, QWidget* parent = nullptr);

    void Label_Click(int k);  // swatch k = 1..16: picks its colour
    void Label17_Click();     // "X": cancel

    QGroupBox* Frame1 = nullptr;
    gv::ClickLabel* Swatch[17] = {};  // Label1 .. Label16 (index 0 unused)
    gv::ClickLabel* Label17 = nullptr;

private:
    gv::Global_Declarations& g_;
};

// TextInput (channel names) and XMLcodeINPUT (tags and element names) differ
// only in captions and colours.
class TextPickerBase : public QDialog {
    Q_OBJECT
public:
    void Form_Load();
    void Label1_Click();  // save
    void Label2_Click();  // "X": cancel

    QGroupBox* Frame1 = nullptr;  // holds the controls (framed only in XMLcodeINPUT)
    QLineEdit* Text1 = nullptr;
    gv::ClickLabel* Label1 = nullptr;
    gv::ClickLabel* Label2 = nullptr;

protected:
    TextPickerBase(gv::Global_Declarations& g, QWidget* parent, const QString& caption,
                   const QString& saveCaption, std::int32_t saveColour, const QString& what);

private:
    gv::Global_Declarations& g_;
    QString what_;
};

class TextInput : public TextPickerBase {
    Q_OBJECT
public:
    explicit TextInput(gv::Global_Declarations& g, QWidget* parent = nullptr);
};

class XMLcodeINPUT : public TextPickerBase {
    Q_OBJECT
public:
    explicit XMLcodeINPUT(gv::Global_Declarations& g, QWidget* parent = nullptr);
};
