#include "galerij/Galerij.h"
#include "widgets/ProgrammaStijl.h"
#include "widgets/Skin.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>

#include <memory>

using namespace vkt::widgets;

namespace {

QString Naam(const QWidget& widget)
{
    return widget.objectName() + " (" + widget.metaObject()->className() + ")";
}

// Every visible part lies within its parent, and every text fits its part.
void ControleerDatNietsWegvalt(QWidget& venster)
{
    for (QWidget* deel : venster.findChildren<QWidget*>()) {
        if (!deel->isVisibleTo(&venster) || deel->isWindow())
            continue;
        QVERIFY2(deel->parentWidget()->rect().contains(deel->geometry()), qPrintable(Naam(*deel) + " sticks out"));
        if (auto* label = qobject_cast<QLabel*>(deel); label && !label->text().isEmpty()) {
            const int nodig = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
            QVERIFY2(nodig <= label->height(), qPrintable(Naam(*label) + " is too low for its text"));
            if (!label->wordWrap())
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(Naam(*label) + " is too narrow"));
        }
        if (auto* knop = qobject_cast<QAbstractButton*>(deel)) {
            const int nodig = knop->fontMetrics().horizontalAdvance(QString(knop->text()).remove(u'&')) + 8;
            QVERIFY2(nodig <= knop->width(), qPrintable(Naam(*knop) + " is too narrow for its caption"));
        }
    }
}

// Every input a user can reach has a name for screen readers and automation.
void ControleerToegankelijkeNamen(QWidget& venster)
{
    for (QWidget* deel : venster.findChildren<QWidget*>()) {
        const bool invoer = qobject_cast<QLineEdit*>(deel) || qobject_cast<QComboBox*>(deel) ||
                            qobject_cast<QAbstractButton*>(deel) || qobject_cast<QPlainTextEdit*>(deel);
        if (!invoer || !deel->isVisibleTo(&venster) || qobject_cast<QLineEdit*>(deel->parentWidget()) ||
            qobject_cast<QComboBox*>(deel->parentWidget()))
            continue;
        QVERIFY2(!deel->accessibleName().isEmpty(), qPrintable(Naam(*deel) + " has no accessible name"));
    }
}

} // namespace

// The samples of the gallery, drawn as the program draws them: every part and
// every text whole, every input named.
class VenstertekeningenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ZetProgrammaStijl(); }

    void EachWindowShowsAllItsTextAndParts_data()
    {
        QTest::addColumn<int>("nummer");
        const std::vector<vkt::galerij::TVoorbeeld> voorbeelden = vkt::galerij::Voorbeelden();
        for (std::size_t i = 0; i < voorbeelden.size(); ++i)
            QTest::newRow(qPrintable(voorbeelden[i].Naam)) << static_cast<int>(i);
    }

    void EachWindowShowsAllItsTextAndParts()
    {
        QFETCH(int, nummer);
        const std::unique_ptr<QWidget> venster = vkt::galerij::Voorbeelden()[static_cast<std::size_t>(nummer)].Maak();
        Skin(*venster);
        venster->show();
        QVERIFY(QTest::qWaitForWindowExposed(venster.get()));
        ControleerDatNietsWegvalt(*venster);
        ControleerToegankelijkeNamen(*venster);

        const QString map = qEnvironmentVariable("VKT_VENSTERAFBEELDINGEN");
        if (!map.isEmpty()) {
            QDir().mkpath(map);
            QVERIFY(venster->grab().save(map + "/" + QTest::currentDataTag() + ".png"));
        }
    }
};

QTEST_MAIN(VenstertekeningenTest)
#include "VenstertekeningenTest.moc"
