#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

// The password dialog of the settings lock ("权限"). Closes accepted when the password typed
// is right, rejected otherwise; "修改密码" changes the password and leaves it open.
class TfrmLock : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLock(IniStore& settings, QWidget* parent = nullptr);

    // The three digits the hint names; the settings file delivered with the program sets them.
    static constexpr const char* kFactoryPassword = "168";

    void Button1Click();
    void Button2Click();

private:
    bool opensLock(const QString& typed) const;

    IniStore& m_settings;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};

}  // namespace lotavo::ui
