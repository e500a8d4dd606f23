#include "recording_button.h"

#include "widgets/styled_button/property_bag.h"

#include <QApplication>
#include <QTest>

using namespace Tavo;
using Tavo::Testing::RecordingButton;

namespace {

ButtonDrawing::OleColor ole(QColor c)
{
    return ButtonDrawing::OleColor(c.red() | c.green() << 8 | c.blue() << 16);
}

StyledButton::PicturePtr picture(QColor colour)
{
    auto p = std::make_shared<ButtonDrawing::ButtonPicture>();
    p->kind = ButtonDrawing::ButtonPicture::Kind::Bitmap;
    p->image = QImage(8, 8, QImage::Format_RGB32);
    p->image.fill(colour);
    return p;
}

} // namespace

class TestStyledButtonPersistence : public QObject
{
    Q_OBJECT

private slots:
    void bagWithOnlyTheCaptionGivesDefaults()
    {
        PropertyBag bag;
        bag.writeString("TX", "Solo");
        StyledButton button;
        // A button whose fields differ from every default, so that each read is seen.
        button.setButtonType(9);
        button.setColorScheme(3);
        button.setShowFocusRect(false);
        button.setUseMaskColor(false);
        button.setMaskColor(0x123456);
        button.setSoftBevel(true);
        button.setPicturePosition(3);
        button.setSpecialEffect(2);
        button.setCheckBoxBehaviour(true);
        button.setValue(true);
        button.setPictureNormal(picture(Qt::red));
        button.setEnabled(false);
        button.readProperties(bag);

        QCOMPARE(button.Caption(), QString("Solo"));
        QCOMPARE(button.ButtonType(), int(StyledButton::Standard3D));
        QCOMPARE(button.ColorScheme(), int(StyledButton::SystemColors));
        QVERIFY(button.Enabled());
        QVERIFY(button.isEnabled());
        QVERIFY(button.ShowFocusRect());
        QVERIFY(button.UseMaskColor());
        QCOMPARE(button.MaskColor(), 0xC0C0C0u);
        const QPalette system = QApplication::palette();
        QCOMPARE(button.BackColor(), ole(system.color(QPalette::Button)));
        QCOMPARE(button.BackOver(), button.BackColor());
        QCOMPARE(button.ForeColor(), ole(system.color(QPalette::ButtonText)));
        QCOMPARE(button.ForeOver(), button.ForeColor());
        QVERIFY(!button.SoftBevel());
        QCOMPARE(button.PicturePosition(), 0);
        QCOMPARE(button.SpecialEffect(), 0);
        QVERIFY(!button.CheckBoxBehaviour() && !button.Value());
        QVERIFY(!button.PictureNormal());
        QCOMPARE(button.renderer().PictureWidth, 0);
        QCOMPARE(button.MousePointer(), StyledButton::PointerArrow); // HAND false sets the arrow
    }

    void lowerCaseKeysAreRead()
    {
        PropertyBag bag;
        bag.writeInt32("btype", 3);
        bag.writeString("tx", "&Esci");
        bag.writeColour("bcol", 14215660);
        bag.writeBool("enab", false);
        StyledButton button;
        button.readProperties(bag);
        QCOMPARE(button.ButtonType(), 3);
        QCOMPARE(button.Caption(), QString("&Esci"));
        QCOMPARE(button.BackColor(), 14215660u);
        QVERIFY(!button.Enabled());
        QVERIFY(!button.isEnabled());
        QCOMPARE(button.accessKey(), QChar('e'));
    }

    void hoverColoursDefaultToTheColoursRead()
    {
        PropertyBag bag;
        bag.writeColour("BCOL", 0x00FF00);
        bag.writeColour("FCOL", 0x0000FF);
        StyledButton button;
        button.readProperties(bag);
        QCOMPARE(button.BackOver(), 0x00FF00u);
        QCOMPARE(button.ForeOver(), 0x0000FFu);
    }

    void readingNeitherDrawsNorMarks()
    {
        QWidget container;
        auto *button = new RecordingButton(&container);
        button->resize(120, 40);
        container.show();
        button->clearLogs();
        int marks = 0;
        connect(button, &StyledButton::propertiesChanged, button, [&marks] { ++marks; });
        PropertyBag bag;
        bag.writeString("TX", "Nuovo");
        bag.writeInt32("BTYPE", 3);
        button->readProperties(bag);
        QVERIFY(button->redraws.isEmpty());
        // Only the HandPointer setter, which the reading goes through, marks.
        QCOMPARE(marks, 1);
        // The last drawing is still the one of the caption before reading.
        QCOMPARE(button->renderer().LastCaption, QString("StyledButton"));
        QCOMPARE(button->Caption(), QString("Nuovo"));
    }

    void writeOrderAndTypes()
    {
        StyledButton button;
        button.setPictureNormal(picture(Qt::red));
        PropertyBag bag;
        button.writeProperties(bag);
        QCOMPARE(bag.keys(),
                 QStringList({"BTYPE", "TX",     "ENAB",  "FONT", "COLTYPE", "FOCUSR", "BCOL",
                              "BCOLO", "FCOL",   "FCOLO", "MCOL", "MPTR",    "PICN",   "UMCOL",
                              "SOFT",  "PICPOS", "NGREY", "FX",   "HAND",    "CHECK",  "VALUE"}));
        QVERIFY(std::holds_alternative<qint16>(*bag.value("MPTR")));
        QVERIFY(std::holds_alternative<qint32>(*bag.value("BTYPE")));
        QVERIFY(std::holds_alternative<bool>(*bag.value("VALUE")));
    }

    void writeThenReadReproducesEveryProperty()
    {
        StyledButton original;
        QFont font("Liberation Sans");
        font.setPointSizeF(14.25);
        font.setItalic(true);
        original.setButtonType(13);
        original.setCaption("A&&B&C");
        original.setEnabled(false);
        original.setFont(font);
        original.setColorScheme(2);
        original.setShowFocusRect(false);
        original.setBackColor(0x010203);
        original.setBackOver(0x040506);
        original.setForeColor(0x070809);
        original.setForeOver(0x0A0B0C);
        original.setMaskColor(0xFFFFFF);
        original.setPictureNormal(picture(Qt::red));
        original.setPictureOver(picture(Qt::blue));
        original.setUseMaskColor(false);
        original.setSoftBevel(true);
        original.setPicturePosition(4);
        original.setUseGreyscale(true);
        original.setSpecialEffect(5);
        original.setHandPointer(true);
        original.setCheckBoxBehaviour(true);
        original.setValue(true);
        PropertyBag bag;
        original.writeProperties(bag);
        // Through the stored form too.
        const auto stored = PropertyBag::fromJson(bag.toJson(), QString());
        QVERIFY(stored);

        StyledButton copy;
        copy.readProperties(*stored);
        QCOMPARE(copy.ButtonType(), 13);
        QCOMPARE(copy.Caption(), QString("A&&B&C"));
        QCOMPARE(copy.accessKey(), QChar('c'));
        QVERIFY(!copy.Enabled());
        QCOMPARE(copy.Font().family(), QString("Liberation Sans"));
        QCOMPARE(copy.Font().pointSizeF(), 14.25);
        QVERIFY(copy.FontItalic());
        QCOMPARE(copy.ColorScheme(), 2);
        QVERIFY(!copy.ShowFocusRect());
        QCOMPARE(copy.BackColor(), 0x010203u);
        QCOMPARE(copy.BackOver(), 0x040506u);
        QCOMPARE(copy.ForeColor(), 0x070809u);
        QCOMPARE(copy.ForeOver(), 0x0A0B0Cu);
        QCOMPARE(copy.MaskColor(), 0xFFFFFFu);
        QVERIFY(copy.PictureNormal());
        QCOMPARE(copy.PictureNormal()->image.pixelColor(3, 3), QColor(Qt::red));
        QCOMPARE(copy.PictureNormal()->kind, ButtonDrawing::ButtonPicture::Kind::Bitmap);
        QCOMPARE(copy.renderer().PictureWidth, 8);
        QCOMPARE(copy.PictureOver()->image.pixelColor(3, 3), QColor(Qt::blue));
        QVERIFY(!copy.UseMaskColor());
        QVERIFY(copy.SoftBevel());
        QCOMPARE(copy.PicturePosition(), 4);
        QVERIFY(copy.UseGreyscale());
        QCOMPARE(copy.SpecialEffect(), 5);
        QVERIFY(copy.HandPointer());
        QCOMPARE(copy.MousePointer(), StyledButton::PointerCustom);
        QCOMPARE(copy.cursor().shape(), Qt::BitmapCursor);
        QVERIFY(copy.CheckBoxBehaviour());
        QVERIFY(copy.Value());
    }

    void handPointerOverridesMousePointer_data()
    {
        QTest::addColumn<bool>("hand");
        QTest::addColumn<int>("storedPointer");
        QTest::addColumn<int>("readPointer");
        QTest::addColumn<int>("shape");
        QTest::newRow("no hand, cross stored") << false << 2 << 1 << int(Qt::ArrowCursor);
        QTest::newRow("no hand, default stored") << false << 0 << 1 << int(Qt::ArrowCursor);
        QTest::newRow("hand, I-beam stored") << true << 3 << 99 << int(Qt::BitmapCursor);
    }

    void handPointerOverridesMousePointer()
    {
        QFETCH(bool, hand);
        QFETCH(int, storedPointer);
        QFETCH(int, readPointer);
        QFETCH(int, shape);
        StyledButton original;
        original.setHandPointer(hand);
        original.setMousePointer(storedPointer);
        PropertyBag bag;
        original.writeProperties(bag);
        QCOMPARE(bag.readInt16("MPTR", -1), qint16(storedPointer));
        StyledButton copy;
        copy.readProperties(bag);
        QCOMPARE(int(copy.MousePointer()), readPointer);
        QCOMPARE(int(copy.cursor().shape()), shape);
    }

    void absentPicturesAreLeftOut()
    {
        StyledButton button;
        PropertyBag bag;
        button.writeProperties(bag);
        QVERIFY(!bag.contains("PICN"));
        QVERIFY(!bag.contains("PICH"));
        QVERIFY(!bag.contains("MICON"));
    }
};

QTEST_MAIN(TestStyledButtonPersistence)
#include "tst_styled_button_persistence.moc"
