#pragma once

#include "draw/ProgramFolder.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

class DrawScreenLink;
class KeyField;
enum class HotKey;

// "高级设定": the advanced options of the draw, eight tabs, each control written to the
// settings file the moment it changes and handed to the running draw screen with it.
//
// Every key written is followed by screen.settingChanged(section, key); the screen follows
// those it shows or uses and ignores the rest. Besides the plain ones, these mean:
//   Option StartRun        the stopped flag becomes the key's value
//   Option AllKeyOpen      true: the keyboard lock engages (keys locked, stopped); false: released
//   Option AniPopDelayClose  the pop-up's auto-close flag follows the key
//   Option AutoDown        false: the automatic-draw timer stops; true: interval Time3Interval,
//                          one automatic step, timer started (the panel sends true only as it
//                          closes, so ticking the box starts nothing yet)
//   Option AwardPicinPop   both prize pictures are cleared
//   Option AniPopCaption   (also on closing) the pop-up's title is set again
//   JXPic SpeedButton<n>   (on closing) the prize picture of level n is loaded again
//   Number AllJJ           (on closing in the prize draw) the level count changed
class TfrmControlPan : public QDialog {
public:
    TfrmControlPan(IniStore& settings, ProgramFolder folder, DrawScreenLink& screen, QWidget* parent = nullptr);

    // The file the next picture button gets instead of asking (empty: cancelled).
    // Use only for testing.
    void setPictureChooser(std::function<QString()> chooser) { m_pictureChooser = std::move(chooser); }
    // The file the next launcher file button gets instead of asking. Use only for testing.
    void setFileChooser(std::function<QString()> chooser) { m_fileChooser = std::move(chooser); }

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr const char* kOption = "Option";

    // Building and shared helpers (TfrmControlPan.cpp)
    QWidget* addPage(const char* caption);
    QCheckBox* check(QWidget* page, const char* name, const char* caption, int x, int y, bool designed = false);
    QSpinBox* spin(QWidget* page, const char* name, int min, int max, int designed, int x, int y, int width = 50);
    QLabel* label(QWidget* page, const QString& text, int x, int y);
    QLineEdit* edit(QWidget* page, const char* name, const QString& designed, int x, int y, int width);
    void showHintOnEnter(QWidget* control, const QString& hint);
    // Writes the key whenever the control changes; `also` first sets what the screen holds.
    void bindCheck(QCheckBox* box, const char* section, const char* key, std::function<void(bool)> also = {});
    void bindSpin(QSpinBox* box, const char* key, int factor = 1, std::function<void(int)> also = {});
    void bindEdit(QLineEdit* field, const char* key, std::function<void(const QString&)> also = {});
    void writeBool(const char* section, const char* key, bool value);
    void writeInteger(const char* section, const char* key, int value);
    void writeText(const char* section, const char* key, const QString& value);
    // Tells the screen unless `notify` is false (a key the screen acts on only at closing).
    void written(const char* section, const char* key, const std::string& error, bool notify = true);
    bool readBool(const char* key, bool defaultValue) const;
    int readInteger(const char* key, int defaultValue) const;
    QString readText(const char* key, const char* defaultValue) const;
    QString choosePicture();
    void FormShow();
    void FormClose();

    // "启动" (TfrmControlPanStart.cpp)
    void createStartPage();
    void loadStartPage();
    void CheckBox7Click(bool checked);
    void RzCheckBox12Click(bool checked);
    void SpeedButton1Click();
    void SpeedButton2Click();

    // "速度" (TfrmControlPanSpeed.cpp)
    void createSpeedPage();
    void loadSpeedPage();
    void CheckBox9Click(bool checked);
    void ComboBox1Change(int index);

    // "隐私", "滚动显示位数限制", "序号" (TfrmControlPanDisplay.cpp)
    void createPrivacyPage();
    void createShowOnlyPage();
    void createSerialPage();
    void loadDisplayPages();
    void CheckBox6Click(bool checked);
    void CheckBox18Click(bool checked);
    void refreshRollingPreview();
    void refreshPopupPreview();
    void refreshPrivacyPreview();
    void refreshSerialPreview();
    std::string sampleEntry() const;

    // "其它", "细节" (TfrmControlPanOther.cpp)
    void createOtherPage();
    void createDetailPage();
    void loadOtherPages();

    // "热键" and the unlock key of "启动" (TfrmControlPanKeys.cpp)
    void createKeysPage();
    void loadKeysPage();
    KeyField* keyField(QWidget* page, const char* name, int x, int y, int width);
    // Stores the code and hands it to the draw screen.
    void assignKey(HotKey key, int code);
    // Names the draw-screen functions that share a key, under the note.
    void showKeyClashes();
    void chooseLauncherFile(QLineEdit* field);

    IniStore& m_settings;
    ProgramFolder m_folder;
    DrawScreenLink& m_screen;
    std::function<QString()> m_pictureChooser;
    std::function<QString()> m_fileChooser;
    std::vector<KeyField*> m_keyFields;
    bool m_writeFailed = false;
    bool m_closed = false;

    QTabWidget* PageControl1 = nullptr;
    QPushButton* Button1 = nullptr;

    // 启动
    QCheckBox* CheckBox7 = nullptr;
    QCheckBox* RzCheckBox12 = nullptr;
    KeyField* RzEdit13 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QCheckBox* RzCheckBox7 = nullptr;
    QLineEdit* RzEdit2 = nullptr;
    QCheckBox* CheckBox8 = nullptr;
    QCheckBox* CheckBox23 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QCheckBox* RzCheckBox5 = nullptr;
    QCheckBox* CheckBox21 = nullptr;
    QCheckBox* CheckBox22 = nullptr;

    // 速度
    QSpinBox* SpinEdit10 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QSpinBox* SpinEdit5 = nullptr;
    QCheckBox* CheckBox9 = nullptr;
    QSpinBox* SpinEdit4 = nullptr;
    QSpinBox* RzSpinEdit5 = nullptr;
    QCheckBox* CheckBox10 = nullptr;
    QCheckBox* CheckBox11 = nullptr;
    QComboBox* ComboBox1 = nullptr;

    // 隐私
    QCheckBox* CheckBox2 = nullptr;
    QSpinBox* SpinEdit11 = nullptr;
    QSpinBox* RzSpinEdit1 = nullptr;
    QLineEdit* RzEdit1 = nullptr;
    QLabel* lblPrivacySample = nullptr;
    QLabel* lblPrivacyResult = nullptr;

    // 滚动显示位数限制
    QCheckBox* CheckBox6 = nullptr;
    QSpinBox* SpinEdit2 = nullptr;
    QSpinBox* SpinEdit3 = nullptr;
    QCheckBox* CheckBox18 = nullptr;
    QSpinBox* SpinEdit6 = nullptr;
    QSpinBox* SpinEdit7 = nullptr;
    QLabel* lblRollSample = nullptr;
    QLabel* lblRollResult = nullptr;
    QLabel* lblPopSample = nullptr;
    QLabel* lblPopResult = nullptr;

    // 序号
    QCheckBox* CheckBox15 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* lblSerialSample = nullptr;
    QLabel* lblSerialResult = nullptr;

    // 其它
    QCheckBox* CheckBox5 = nullptr;
    QCheckBox* RzCheckBox6 = nullptr;
    QCheckBox* RzCheckBox11 = nullptr;
    QCheckBox* RzCheckBox15 = nullptr;
    QCheckBox* RzCheckBox16 = nullptr;
    QCheckBox* CheckBox19 = nullptr;
    QCheckBox* RzCheckBox8 = nullptr;
    QCheckBox* RzCheckBox2 = nullptr;
    QCheckBox* RzCheckBox3 = nullptr;
    QCheckBox* RzCheckBox9 = nullptr;
    QSpinBox* RzSpinEdit2 = nullptr;
    QCheckBox* CheckBox12 = nullptr;
    QCheckBox* RzCheckBox17 = nullptr;

    // 细节
    QCheckBox* CheckBox17 = nullptr;
    QCheckBox* FjPrintIt = nullptr;
    QCheckBox* RzCheckBox1 = nullptr;
    QCheckBox* RzCheckBox10 = nullptr;
    QCheckBox* RzCheckBox14 = nullptr;
    QCheckBox* RzCheckBox18 = nullptr;
    QCheckBox* RzCheckBox13 = nullptr;
    QSpinBox* RzSpinEdit4 = nullptr;
    QSpinBox* RzSpinEdit3 = nullptr;
    QCheckBox* RzCheckBox19 = nullptr;
    QCheckBox* RzCheckBox4 = nullptr;
    QCheckBox* RzCheckBox20 = nullptr;

    // 热键
    KeyField* RzEdit3 = nullptr;
    KeyField* RzEdit4 = nullptr;
    KeyField* RzEdit6 = nullptr;
    KeyField* RzEdit9 = nullptr;
    KeyField* RzEdit7 = nullptr;
    KeyField* RzEdit5 = nullptr;
    QLineEdit* RzButtonEdit1 = nullptr;
    QLineEdit* RzEdit11 = nullptr;
    KeyField* RzEdit8 = nullptr;
    QLineEdit* RzButtonEdit2 = nullptr;
    QLineEdit* RzEdit12 = nullptr;
    KeyField* RzEdit10 = nullptr;
    QLabel* lblKeyClash = nullptr;
};

}  // namespace lotavo::ui
