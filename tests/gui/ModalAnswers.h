#pragma once

// Answers modal dialogs as an operator would, one after the other as they come up: each step
// gets the dialog on top and types or clicks in it.
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <deque>
#include <functional>

namespace lotavo::test {

class ModalAnswers {
public:
    using Step = std::function<void(QWidget* dialog)>;

    explicit ModalAnswers(std::deque<Step> steps) : m_steps(std::move(steps))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
        m_timer.start();
    }
    bool done() const { return m_steps.empty(); }

    // The input box: `text` typed and OK, or cancelled.
    static Step type(const QString& text)
    {
        return [text](QWidget* dialog) {
            dialog->findChild<QLineEdit*>()->setText(text);
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text().startsWith(QStringLiteral("确定")))
                    return button->click();
        };
    }
    static Step cancel()
    {
        return [](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "reject"); };
    }
    // `text` typed into the line edit `edit`, then the button `button` clicked.
    static Step typeAndClick(const char* edit, const QString& text, const char* button)
    {
        return [=](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QString::fromLatin1(edit))->setText(text);
            dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        };
    }

private:
    void tick()
    {
        QWidget* top = QApplication::activeModalWidget();
        if (!top || top == m_answered || m_steps.empty())
            return;
        m_answered = top;
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        step(top);
    }

    std::deque<Step> m_steps;
    QTimer m_timer;
    QPointer<QWidget> m_answered;
};

}  // namespace lotavo::test
