"""The reference calculation against the published worked values.

A reference that disagrees with these values would make the comparison with
the program meaningless, so they are checked first. Run with
`python3 -m unittest` in this folder.
"""

import math
import sys
import unittest

sys.dont_write_bytecode = True
import kota_reference as ref  # noqa: E402

# Worked values are printed to four decimals (rounded); T to seven.
FOUR_DECIMALS_DEGREES = 0.00005
SEVEN_DECIMALS = 0.00000005
THREE_DECIMALS_DEGREES = 0.0005


def chart_input(**fields):
    values = dict(month=1, day=1, year=2000, hour=12, minute=0, zone_hours=0,
                  zone_minutes=0, longitude_degrees=0, longitude_minutes=0,
                  latitude_degrees=51, latitude_minutes=30, is_east=False,
                  is_south=False, is_daylight_saving=False)
    values.update(fields)
    return ref.ChartInput(**values)


# source: the worked example of 1 January 2000, 12:00, Greenwich, 51°30′ North
GREENWICH_2000 = chart_input()
# source: the worked example of 15 June 1980, 10:30, zone 5:30, 77°13′ East, 28°39′ North
DELHI_1980 = chart_input(month=6, day=15, year=1980, hour=10, minute=30,
                         zone_hours=5, zone_minutes=30, longitude_degrees=77,
                         longitude_minutes=13, is_east=True,
                         latitude_degrees=28, latitude_minutes=39)


def long_form(degrees, minutes, seconds, sign):
    return f"{degrees}\u00b0 {minutes}' {seconds}\" {sign}"


class CalendarAndTime(unittest.TestCase):
    def test_julian_day_numbers(self):
        # source: the Julian day number results and the 1900 leap-year examples
        for (month, day, year), jdn in (((1, 1, 2000), 2451545), ((12, 31, 1899), 2415020),
                                        ((1, 1, 1970), 2440588), ((10, 4, 1582), 2299160),
                                        ((10, 16, 1582), 2299162), ((3, 1, 1900), 2415080),
                                        ((2, 28, 1900), 2415079)):
            self.assertEqual(ref.julian_day_number(month, day, year), jdn, (year, month, day))

    def test_universal_time_takes_its_direction_from_the_hemisphere(self):
        # source: the universal-time examples (east 5:30, west 5:00, longitude 0)
        east = chart_input(hour=1, zone_hours=5, zone_minutes=30, longitude_degrees=77, is_east=True)
        self.assertEqual(ref.universal_time(east)[0], -4.5)
        east.is_daylight_saving = True
        self.assertEqual(ref.universal_time(east)[0], -5.5)
        west = chart_input(hour=10, zone_hours=5, longitude_degrees=74, is_daylight_saving=True)
        self.assertEqual(ref.zone_offset_hours(west, ref.longitude_west_degrees(west)), 4)
        self.assertEqual(ref.universal_time(west)[0], 14)
        greenwich = chart_input(hour=10, is_daylight_saving=True, is_east=True)
        self.assertEqual(ref.universal_time(greenwich)[0], 9)

    def test_the_ut_calendar_moment_carries_into_the_previous_year(self):
        # source: 1 January 2000, 01:00, zone 5:30 east is 31 December 1999, 19:30 UT
        east = chart_input(hour=1, zone_hours=5, zone_minutes=30, longitude_degrees=77, is_east=True)
        moment = ref.ut_calendar_moment(east)
        self.assertEqual(moment, (1999, 12, 31, 19, 30))
        self.assertEqual(ref.day_number_2000(*moment), -0.6875)
        ut_hours, _ = ref.universal_time(east)
        self.assertEqual(ref.julian_day_number(1, 1, 2000) - 2451545 - 0.5 + ut_hours / 24, -0.6875)

    def test_epoch_quantities(self):
        # source: 1 January 2000 at 12:00 UT gives T = 1.0 exactly and d = 0
        self.assertEqual(ref.centuries_since_1900(2451545.0, 12.0), 1.0)
        self.assertEqual(ref.day_number_2000(2000, 1, 1, 12, 0), 0.0)
        # source: LST at Greenwich on 1 January 2000 at 0:00 UT is 99.968°
        t = ref.centuries_since_1900(2451545.0, 0.0)
        self.assertAlmostEqual(ref.local_sidereal_degrees(t, 0.0, 0.0), 99.968,
                               delta=THREE_DECIMALS_DEGREES)


class AnglesAndAyanamsa(unittest.TestCase):
    def test_worked_angles(self):
        # source: the table of worked angles (T, correction, LST, ascendant, midheaven)
        for chart, t_expected, correction, lst, ascendant, midheaven in (
                (GREENWICH_2000, 1.0, -23.8540, 280.4609, 0.4439, 255.7605),
                (DELHI_1980, 0.8045368, -23.5819, 55.8535, 126.5307, 34.5259)):
            ut_hours, longitude = ref.universal_time(chart)
            t = ref.centuries_since_1900(
                ref.julian_day_number(chart.month, chart.day, chart.year), ut_hours)
            self.assertAlmostEqual(t, t_expected, delta=SEVEN_DECIMALS)
            self.assertAlmostEqual(ref.sidereal_correction_1900_degrees(t), correction,
                                   delta=FOUR_DECIMALS_DEGREES)
            self.assertAlmostEqual(ref.local_sidereal_degrees(t, ut_hours, longitude), lst,
                                   delta=FOUR_DECIMALS_DEGREES)
            result = ref.compute_chart(chart)
            self.assertAlmostEqual(result.degrees["Ascendant"], ascendant, delta=FOUR_DECIMALS_DEGREES)
            self.assertAlmostEqual(result.degrees["Midheaven"], midheaven, delta=FOUR_DECIMALS_DEGREES)

    def test_ayanamsa_at_both_century_marks(self):
        # source: AyanamsaCorrection1900(0) and (1) to four decimals
        self.assertAlmostEqual(ref.sidereal_correction_1900_degrees(0.0), -22.4663,
                               delta=FOUR_DECIMALS_DEGREES)
        self.assertAlmostEqual(ref.sidereal_correction_1900_degrees(1.0), -23.8540,
                               delta=FOUR_DECIMALS_DEGREES)


class SunPlanetsAndNodes(unittest.TestCase):
    # source: the worked planets at 1 January 2000, 12:00 UT (sidereal degrees, long form)
    AT_2000 = {"Mercury": (248.0520, (8, 3, 7, "Sag")), "Venus": (217.7241, (7, 43, 26, "Sco")),
               "Sun": (256.5256, (16, 31, 32, "Sag")), "Mars": (304.1288, (4, 7, 43, "Aqu")),
               "Jupiter": (1.5071, (1, 30, 25, "Ari")), "Saturn": (16.3607, (16, 21, 38, "Ari")),
               "Rahu": (100.2685, (10, 16, 6, "Can")), "Ketu": (280.2685, (10, 16, 6, "Cap"))}
    # source: the worked example of 15 June 1980
    AT_1980 = {"Sun": (60.9423, (0, 56, 32, "Gem")), "Mercury": (85.3967, (25, 23, 47, "Gem")),
               "Venus": (61.1019, (1, 6, 6, "Gem")), "Mars": (143.3262, (23, 19, 34, "Leo")),
               "Jupiter": (130.4302, (10, 25, 48, "Leo")), "Saturn": (147.3874, (27, 23, 14, "Leo")),
               "Rahu": (118.5933, (28, 35, 35, "Can")), "Ketu": (298.5933, (28, 35, 35, "Cap"))}

    def test_worked_positions(self):
        for chart, table in ((GREENWICH_2000, self.AT_2000), (DELHI_1980, self.AT_1980)):
            result = ref.compute_chart(chart)
            for body, (degrees, dms_sign) in table.items():
                with self.subTest(body=body, year=chart.year):
                    self.assertAlmostEqual(result.degrees[body], degrees, delta=FOUR_DECIMALS_DEGREES)
                    self.assertEqual(result.long_forms[body], long_form(*dms_sign))

    def test_tropical_longitudes_at_2000(self):
        # source: the tropical column of the worked planets at d = 0
        for row, tropical in ((ref.MERCURY_ROW, 271.9060), (ref.VENUS_ROW, 241.5781),
                              (ref.EARTH_ROW, 280.3796), (ref.MARS_ROW, 327.9828),
                              (ref.JUPITER_ROW, 25.3611), (ref.SATURN_ROW, 40.2147)):
            self.assertAlmostEqual(ref.geocentric_longitude_degrees(row, 0.0), tropical,
                                   delta=FOUR_DECIMALS_DEGREES)

    def test_the_1980_day_number(self):
        # source: the worked example of 15 June 1980 (UT 05:00, d = −7139.291667)
        self.assertEqual(ref.ut_calendar_moment(DELHI_1980), (1980, 6, 15, 5, 0))
        self.assertAlmostEqual(ref.day_number_2000(1980, 6, 15, 5, 0), -7139.291667, delta=1e-6)


class PositionTexts(unittest.TestCase):
    def test_truncation_and_padding(self):
        # source: the position-text examples
        for degrees, dms_sign, text in ((256.5256, (16, 31, 32, "Sag"), "16 Sag 31"),
                                     (1.5071, (1, 30, 25, "Ari"), "01 Ari 30"),
                                     (0.4439, (0, 26, 38, "Ari"), "00 Ari 26"),
                                     (29.99999, (29, 59, 59, "Ari"), "29 Ari 59"),
                                     (-256.5256, (16, 31, 32, "Sag"), "16 Sag 31")):
            self.assertEqual(ref.format_sign_position(degrees), long_form(*dms_sign))
            self.assertEqual(ref.to_position_text(long_form(*dms_sign)), text)

    def test_full_circle_and_non_finite_values_start_at_aries(self):
        # source: the agreed handling of 360 and of non-finite values
        for degrees in (360.0, math.inf, math.nan):
            self.assertEqual(ref.format_sign_position(degrees), long_form(0, 0, 0, "Ari"))
        self.assertEqual(ref.to_position_text(ref.format_sign_position(360.0)), "00 Ari 00")


class Moon(unittest.TestCase):
    def test_worked_moons(self):
        # source: the Moon's worked values for 1 January 2000 12:00 and 12 April 1992 00:00
        for chart, tropical, ayanamsa, sidereal, dms_sign, index, name in (
                (GREENWICH_2000, 223.3161, 23.8537, 199.4624, (19, 27, 44, "Lib"), 14, "Swati"),
                (chart_input(month=4, day=12, year=1992, hour=0), 133.1581, 23.7541, 109.4039,
                 (19, 24, 14, "Can"), 8, "Aslesha")):
            t = ref.moon_centuries_since_2000(chart)
            self.assertAlmostEqual(ref.moon_tropical_longitude_degrees(t), tropical,
                                   delta=FOUR_DECIMALS_DEGREES)
            self.assertAlmostEqual(-ref.moon_sidereal_correction_degrees(t), ayanamsa,
                                   delta=FOUR_DECIMALS_DEGREES)
            result = ref.compute_chart(chart)
            self.assertAlmostEqual(result.degrees["Moon"], sidereal, delta=FOUR_DECIMALS_DEGREES)
            self.assertEqual(result.long_forms["Moon"], long_form(*dms_sign))
            self.assertEqual((result.moon_nakshatra_index, result.moon_nakshatra_name), (index, name))

    def test_nakshatra_at_the_ends_of_the_circle(self):
        # source: λs = 42.0861 is Rohini; 0 and just below 360 are Aswini and Revati;
        # exactly 360 is Aswini by agreement
        self.assertEqual(ref.moon_nakshatra_index_27(42.0861), 3)
        self.assertEqual(ref.format_sign_position(42.0861), long_form(12, 5, 9, "Tau"))
        self.assertEqual(ref.moon_nakshatra_index_27(0.0), 0)
        just_below = math.nextafter(360.0, 0.0)
        self.assertEqual(ref.moon_nakshatra_index_27(just_below), 26)
        self.assertEqual(ref.format_sign_position(just_below), long_form(29, 59, 59, "Pis"))
        self.assertEqual(ref.moon_nakshatra_index_27(360.0), 0)


def chart_with_positions(position_texts, moon_index=0, moon_name="Aswini"):
    return ref.Chart({}, list(position_texts), moon_index, moon_name, 0.0, {})


class KotaChakra(unittest.TestCase):
    def test_birth_abhijit_stretch(self):
        # source: birth Moon at 06 39, 06 40, 10 53 and 10 54 in Cap
        for text, index_27, kota_name in (("06 Cap 39", 20, "Uttara Ashadha"),
                                          ("06 Cap 40", 20, "Abhijit"),
                                          ("10 Cap 53", 21, "Abhijit"),
                                          ("10 Cap 54", 21, "Shravana")):
            birth = chart_with_positions(["00 Ari 00", text], index_27,
                                         ref.NAKSHATRA_NAMES_27[index_27])
            self.assertEqual(ref.KOTA_NAKSHATRA_NAMES[ref.birth_kota_nakshatra(birth)],
                             kota_name, text)

    def test_boundary_lookup(self):
        # source: the lookup examples of the 28-scheme boundary table
        for position, name in ((("Ari", 13, 20), "Ashwini"), (("Ari", 13, 21), "Bharani"),
                               (("Tau", 5, 0), "Rohini"), (("Cap", 0, 0), "Abhijit"),
                               (("Cap", 10, 0), "Abhijit"), (("Cap", 10, 1), "Shravana"),
                               (("Pis", 29, 59), "Revati")):
            self.assertEqual(ref.KOTA_NAKSHATRA_NAMES[ref.find_kota_nakshatra(*position)], name)

    def test_ring_starts_at_the_birth_nakshatra(self):
        # source: the ring examples (Revati, and the 27-scheme indices 0 … 23)
        revati = [ref.KOTA_NAKSHATRA_NAMES[k] for k in ref.kota_ring(27)]
        self.assertEqual((revati[0], revati[1], revati[27]),
                         ("Revati", "Ashwini", "Uttara Bhadrapada"))
        for index_27, first in ((0, "Ashwini"), (4, "Mrigasira"), (8, "Ashlesha"),
                                (10, "Poorva Phalguni"), (18, "Moola"), (22, "Dhanistha"),
                                (23, "Shatabhisha")):
            birth = chart_with_positions(["00 Ari 00", "00 Ari 00"], index_27)
            self.assertEqual(ref.KOTA_NAKSHATRA_NAMES[ref.birth_kota_nakshatra(birth)], first)

    def test_zones(self):
        # source: the zone table
        self.assertEqual([p for p in range(1, 29) if ref.zone_of_position(p) == ref.INNERMOST],
                         [4, 11, 18, 25])
        self.assertEqual((ref.zone_of_position(1), ref.zone_of_position(28)),
                         (ref.ENTERING, ref.EXITING))

    def test_placements_from_ashwini(self):
        # source: the placement examples with the ring starting at Ashwini
        bodies = {"Moon": "05 Tau 00", "Saturn": "05 Tau 00", "Mars": "23 Tau 21",
                  "Jupiter": "23 Tau 21", "Sun": "29 Ari 00"}
        day = chart_with_positions([bodies.get(name, "00 Ari 00") for name in ref.BODY_NAMES])
        placed = {p.body: (p.nakshatra, p.place, p.zone, p.result)
                  for p in ref.place_bodies(day, 0)}
        self.assertEqual(placed["Moon"], ("Rohini", 4, ref.INNERMOST, "Not Adverse"))
        self.assertEqual(placed["Saturn"], ("Rohini", 4, ref.INNERMOST, "Adverse"))
        self.assertEqual(placed["Mars"], ("Mrigasira", 5, ref.EXITING, "Not Adverse"))
        self.assertEqual(placed["Jupiter"], ("Mrigasira", 5, ref.EXITING, "Adverse"))
        self.assertEqual(placed["Sun"], ("Krittika", 3, ref.ENTERING, "NA"))
        self.assertEqual(placed["Rahu"][1:], (1, ref.ENTERING, "NA"))


if __name__ == "__main__":
    unittest.main()
