#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace vkt::widgets::test {

// A window holding the field under test and a second field to leave it for.
template <typename Veld>
class Testvenster : public QWidget {
public:
    Testvenster()
    {
        veld.setGeometry(10, 10, 120, 21);
        ander.setGeometry(10, 40, 120, 21);
    }

    // Shows the window and puts the focus in the field.
    void Open()
    {
        show();
        QVERIFY(QTest::qWaitForWindowActive(this));
        veld.setFocus();
        QVERIFY(veld.hasFocus());
    }

    Veld veld{this};
    QLineEdit ander{this};
};

// Takes the message box that comes up while it lives: remembers its caption
// and text and closes it, so that a test is not held up by it.
class Meldingvanger {
public:
    Meldingvanger()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Titel = box->windowTitle();
                Tekst = box->text();
                box->close();
            }
        });
        timer_.start();
    }

    QString Titel;
    QString Tekst;

private:
    QTimer timer_;
};

} // namespace vkt::widgets::test
