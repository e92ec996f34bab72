#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lotavo::ui {

// The find dialog: a find text, "match case" and "find next". Stays open beside its window.
class FindDialog : public QDialog {
public:
    explicit FindDialog(QWidget* parent);

    // Run on "find next" with the find text and whether case must match.
    void setOnFindNext(std::function<void(const QString&, bool)> handler) { m_onFindNext = std::move(handler); }

    QString findText() const;
    void setFindText(const QString& text);
    bool matchCase() const;
    void setMatchCase(bool on);

    void btnFindNextClick();

private:
    QLineEdit* edtFind;
    QCheckBox* chkMatchCase;
    QPushButton* btnFindNext;
    QPushButton* btnCancel;
    std::function<void(const QString&, bool)> m_onFindNext;
};

}  // namespace lotavo::ui
