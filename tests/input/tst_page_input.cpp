// The checks of an input page, in order, and the chart input read from it.
#include <QtTest>

#include "chart_inputs.h"
#include "filled_page.h"
#include "input/page_input.h"

using namespace zkc;
using zkc::test::Q;
namespace msg = zkc::messages;

Q_DECLARE_METATYPE(zkc::PageField)
Q_DECLARE_METATYPE(zkc::MessageIcon)

namespace {

PageFields FilledBirthPage() {
    return test::DelhiPage(true, 1980, 6, 15, 10, 30);
}

using Edit = std::function<void(PageFields&)>;

void Row(const char* name, const Edit& edit, std::string_view message, MessageIcon icon,
         PageField focus) {
    QTest::newRow(name) << QVariant::fromValue(edit) << Q(message) << icon << focus;
}

}  // namespace

Q_DECLARE_METATYPE(Edit)

class TestPageInput : public QObject {
    Q_OBJECT

  private slots:
    void firstFaultWins_data() {
        QTest::addColumn<QVariant>("edit");
        QTest::addColumn<QString>("message");
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<PageField>("focus");
        using enum PageField;
        const auto stop = MessageIcon::Stop;
        const auto info = MessageIcon::Information;
        Row(
            "name of blanks", [](PageFields& p) { p.Name = "   "; }, msg::kEnterName, stop, Name);
        Row(
            "empty name hides empty longitude",
            [](PageFields& p) { p.Name.clear(), p.LonDegrees.clear(); }, msg::kEnterName, stop,
            Name);
        Row(
            "both zone fields blank", [](PageFields& p) { p.ZoneHour = " ", p.ZoneMinute = ""; },
            msg::kEnterZone, stop, ZoneHour);
        Row(
            "longitude degrees blank", [](PageFields& p) { p.LonDegrees = ""; },
            msg::kEnterLonDegrees, stop, LonDegrees);
        Row(
            "longitude minutes blank", [](PageFields& p) { p.LonMinutes = ""; },
            msg::kEnterLonMinutes, stop, LonMinutes);
        Row(
            "latitude degrees blank", [](PageFields& p) { p.LatDegrees = ""; },
            msg::kEnterLatDegrees, stop, LatDegrees);
        Row(
            "latitude minutes blank", [](PageFields& p) { p.LatMinutes = ""; },
            msg::kEnterLatMinutes, stop, LatMinutes);
        Row(
            "blank before a bad number", [](PageFields& p) { p.ZoneHour = "x", p.LatMinutes = ""; },
            msg::kEnterLatMinutes, stop, LatMinutes);
        Row(
            "zone hour not a number", [](PageFields& p) { p.ZoneHour = "5.5"; }, msg::kOnlyNumbers,
            stop, ZoneHour);
        Row(
            "zone minute not a number", [](PageFields& p) { p.ZoneMinute = "3O"; },
            msg::kOnlyNumbers, stop, ZoneMinute);
        Row(
            "longitude pasted with a letter", [](PageFields& p) { p.LonDegrees = "77E"; },
            msg::kOnlyNumbers, stop, LonDegrees);
        Row(
            "latitude minutes with a blank inside", [](PageFields& p) { p.LatMinutes = "3 9"; },
            msg::kOnlyNumbers, stop, LatMinutes);
        Row(
            "zone hours above 14", [](PageFields& p) { p.ZoneHour = "15"; }, msg::kCorrectZone,
            stop, ZoneHour);
        Row(
            "zone minutes above 59", [](PageFields& p) { p.ZoneMinute = "-60"; }, msg::kCorrectZone,
            stop, ZoneMinute);
        Row(
            "longitude 250", [](PageFields& p) { p.LonDegrees = "250"; }, msg::kCorrectLonDegrees,
            stop, LonDegrees);
        Row(
            "longitude 180 and a minute",
            [](PageFields& p) { p.LonDegrees = "180", p.LonMinutes = "1"; },
            msg::kCorrectLonDegrees, stop, LonDegrees);
        Row(
            "longitude negative", [](PageFields& p) { p.LonDegrees = "-77"; },
            msg::kCorrectLonDegrees, stop, LonDegrees);
        Row(
            "longitude minutes 75", [](PageFields& p) { p.LonMinutes = "75"; },
            msg::kCorrectLonMinutes, stop, LonMinutes);
        Row(
            "latitude 90", [](PageFields& p) { p.LatDegrees = "90"; }, msg::kCorrectLatDegrees,
            stop, LatDegrees);
        Row(
            "latitude minutes 60", [](PageFields& p) { p.LatMinutes = "60"; },
            msg::kCorrectLatMinutes, stop, LatMinutes);
        Row(
            "range before date",
            [](PageFields& p) { p.LatMinutes = "60", p.MonthIndex = 1, p.DayIndex = 30; },
            msg::kCorrectLatMinutes, stop, LatMinutes);
        Row(
            "29 February 1901",
            [](PageFields& p) { p.Year = 1901, p.MonthIndex = 1, p.DayIndex = 28; },
            msg::kFebruaryDate, info, None);
        Row(
            "29 February 2050",
            [](PageFields& p) { p.Year = 2050, p.MonthIndex = 1, p.DayIndex = 28; },
            msg::kFebruaryDate, info, None);
        Row(
            "30 February 2000",
            [](PageFields& p) { p.Year = 2000, p.MonthIndex = 1, p.DayIndex = 29; },
            msg::kFebruaryDate, info, None);
        Row(
            "31 February 1999",
            [](PageFields& p) { p.Year = 1999, p.MonthIndex = 1, p.DayIndex = 30; },
            msg::kFebruaryDate, info, None);
        for (int month : {3, 5, 8, 10}) {
            QTest::addRow("31st of month %d", month + 1)
                << QVariant::fromValue(Edit([month](PageFields& p) {
                       p.MonthIndex = month;
                       p.DayIndex = 30;
                   }))
                << Q(msg::kThirtyDayDate) << info << None;
        }
    }
    void firstFaultWins() {
        QFETCH(QVariant, edit);
        PageFields page = FilledBirthPage();
        edit.value<Edit>()(page);
        const auto failure = CheckPage(page);
        QVERIFY(failure.has_value());
        QTEST(Q(failure->Message), "message");
        QTEST(failure->Icon, "icon");
        QTEST(failure->Focus, "focus");
    }

    void admitted_data() {
        QTest::addColumn<QVariant>("edit");
        QTest::newRow("filled") << QVariant::fromValue(Edit([](PageFields&) {}));
        QTest::newRow("zone hour alone")
            << QVariant::fromValue(Edit([](PageFields& p) { p.ZoneMinute = ""; }));
        QTest::newRow("zone minute alone")
            << QVariant::fromValue(Edit([](PageFields& p) { p.ZoneHour = " "; }));
        QTest::newRow("values the zone picker writes") << QVariant::fromValue(
            Edit([](PageFields& p) { p.ZoneHour = "-5", p.ZoneMinute = "-30"; }));
        QTest::newRow("explicit plus and blanks")
            << QVariant::fromValue(Edit([](PageFields& p) { p.LatDegrees = " +28 "; }));
        QTest::newRow("29 February 2000") << QVariant::fromValue(
            Edit([](PageFields& p) { p.Year = 2000, p.MonthIndex = 1, p.DayIndex = 28; }));
        QTest::newRow("29 February 2048") << QVariant::fromValue(
            Edit([](PageFields& p) { p.Year = 2048, p.MonthIndex = 1, p.DayIndex = 28; }));
        QTest::newRow("31 May") << QVariant::fromValue(
            Edit([](PageFields& p) { p.MonthIndex = 4, p.DayIndex = 30; }));
        QTest::newRow("limits") << QVariant::fromValue(Edit([](PageFields& p) {
            p.ZoneHour = "14", p.ZoneMinute = "59", p.LonDegrees = "180", p.LonMinutes = "0";
            p.LatDegrees = "89", p.LatMinutes = "59";
        }));
        QTest::newRow("page of the day needs no name")
            << QVariant::fromValue(Edit([](PageFields& p) { p.HasName = false, p.Name.clear(); }));
        QTest::newRow("empty place texts") << QVariant::fromValue(
            Edit([](PageFields& p) { p.City = "", p.State = "", p.Country = ""; }));
    }
    void admitted() {
        QFETCH(QVariant, edit);
        PageFields page = FilledBirthPage();
        edit.value<Edit>()(page);
        const auto failure = CheckPage(page);
        QVERIFY2(!failure, failure ? qPrintable(Q(failure->Message)) : "");
    }

    // Free texts carry no control characters or direction overrides and fit
    // a text box; each refusal names its field and puts the focus there.
    void freeTexts_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<PageField>("focus");
        const auto row = [](const char* name, const char* field, const QByteArray& text,
                            std::string_view message, PageField focus) {
            QTest::newRow(name) << field << text << Q(message) << focus;
        };
        using enum PageField;
        row("escape in the name", "Name", "Asha\x1b]0;owned\x07", msg::kNameControl, Name);
        row("tab inside the city", "City", "New\tDelhi", msg::kCityControl, City);
        row("line feed in the state", "State", "Delhi\nX", msg::kStateControl, State);
        row("delete in the country", "Country", "Ind\x7fia", msg::kCountryControl, Country);
        row("NUL in the country", "Country", QByteArray("In\0dia", 6), msg::kCountryControl,
            Country);
        row("C1 control sequence introducer", "City", "Pune\xc2\x9b", msg::kCityControl, City);
        row("right-to-left override", "Name", "Asha \xe2\x80\xae", msg::kNameControl, Name);
        row("left-to-right embedding", "City", "\xe2\x80\xaaPune", msg::kCityControl, City);
        row("first isolate", "State", "\xe2\x81\xa6x", msg::kStateControl, State);
        row("pop directional isolate", "Country", "x\xe2\x81\xa9", msg::kCountryControl, Country);
        row("bytes that are no UTF-8", "City", "Pune\xff", msg::kCityControl, City);
        row("cut UTF-8 sequence", "Name", "Asha\xe2\x80", msg::kNameControl, Name);
        row("81 letters", "Name", QByteArray(81, 'a'), msg::kNameTooLong, Name);
        row("41 characters beyond U+FFFF", "State", QByteArray("\xf0\x9f\x8c\x99").repeated(41),
            msg::kStateTooLong, State);
        row("controls before length", "Country", QByteArray(90, 'a') + "\x01", msg::kCountryControl,
            Country);
        row("admitted: 80 letters", "City", QByteArray(80, 'a'), {}, None);
        row("admitted: 80 non-Latin letters", "City", QByteArray("\xe0\xa4\x85").repeated(80), {},
            None);
        row("admitted: 40 characters beyond U+FFFF", "State",
            QByteArray("\xf0\x9f\x8c\x99").repeated(40), {}, None);
        row("admitted: right-to-left script and a mark", "City",
            "\xd7\xaa\xd7\x9c \xd7\x90\xd7\x91\xd7\x99\xd7\x91\xe2\x80\x8f", {}, None);
    }
    void freeTexts() {
        QFETCH(QString, field);
        QFETCH(QByteArray, text);
        PageFields page = FilledBirthPage();
        std::string& target = field == "Name"    ? page.Name
                              : field == "City"  ? page.City
                              : field == "State" ? page.State
                                                 : page.Country;
        target = text.toStdString();
        const auto failure = CheckPage(page);
        QFETCH(QString, message);
        QCOMPARE(failure ? Q(failure->Message) : QString(), message);
        QTEST(failure ? failure->Focus : PageField::None, "focus");
    }

    // A blank name is reported before any other fault of the texts.
    void blankNameBeforeTexts() {
        PageFields page = FilledBirthPage();
        page.Name = " ";
        page.City = "x\x1b";
        QCOMPARE(Q(CheckPage(page)->Message), Q(msg::kEnterName));
        page.Name = "Asha";
        page.LatMinutes = "";  // blanks come first
        QCOMPARE(Q(CheckPage(page)->Message), Q(msg::kEnterLatMinutes));
        page.LatMinutes = "x";  // texts come before numbers
        QCOMPARE(Q(CheckPage(page)->Message), Q(msg::kCityControl));
    }

    void readPage() {
        PageFields page = FilledBirthPage();
        page.Name = "  Asha Rao ";
        page.ZoneHour = "-5";
        page.ZoneMinute = " ";
        page.City = " Pune ";
        page.IsEast = false;
        page.IsSouth = true;
        page.IsDaylightSaving = true;
        const ChartInput in = ReadPage(page);
        QCOMPARE(in.Name, std::string("Asha Rao"));
        QCOMPARE(in.Month, 6);
        QCOMPARE(in.Day, 15);
        QCOMPARE(in.Year, 1980);
        QCOMPARE(in.ZoneHours, 5);  // magnitude: the hemisphere gives the direction
        QCOMPARE(in.ZoneMinutes, 0);
        QCOMPARE(in.Hour, 10);
        QCOMPARE(in.Minute, 30);
        QCOMPARE(in.LongitudeDegrees, 77);
        QCOMPARE(in.LatitudeMinutes, 39);
        QCOMPARE(in.City, std::string("Pune"));
        QVERIFY(!in.IsEast && in.IsSouth && in.IsDaylightSaving);
    }

    void wholeNumbers() {
        QCOMPARE(WholeNumber(" -30 "), std::optional<long>(-30));
        QCOMPARE(WholeNumber("+7"), std::optional<long>(7));
        QCOMPARE(WholeNumber("99999999999999999999"), std::optional<long>(1000000));
        QVERIFY(!WholeNumber("-"));
        QVERIFY(!WholeNumber("1e3"));
        QVERIFY(!WholeNumber(""));
    }
};

QTEST_GUILESS_MAIN(TestPageInput)
#include "tst_page_input.moc"
