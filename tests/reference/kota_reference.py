"""A second, separately written calculation of a Kota Chakra reading.

It exists to be compared with kotachakra-cli: for a chart input it gives the
long forms and position texts of both charts, the Moon's nakshatra, the birth
nakshatra of both schemes, the ring and the nine placements. It is written
for checking, not for speed: every quantity has a function of its own, named
after it, and the arithmetic keeps the order of operations of the
formulas so that truncations to whole minutes and seconds land on the same
side as in the program.

Standard library only.
"""

import datetime
import math
from dataclasses import dataclass

# Angle constants as stored (15 significant digits, not derived from pi).
PI = 3.14159265358979
TWO_PI = 6.28318530717958
DEGREES_TO_RADIANS = 0.0174532925199433
RADIANS_TO_DEGREES = 57.2957795130823
# The planet unit turns its arctangent into degrees with this quotient, not
# with RADIANS_TO_DEGREES; the two differ in the last digits.
PLANET_RADIANS_TO_DEGREES = 180 / 3.14159265358979
# The node formula's own, coarser factor.
NODE_RADIANS_TO_DEGREES = 180 / 3.1416

KEPLER_TOLERANCE_RADIANS = 1e-12
KEPLER_MAX_STEPS = 64

SIGN_ABBREVIATIONS = "AriTauGemCanLeoVirLibScoSagCapAquPis"

BODY_NAMES = ("Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
              "Rahu", "Ketu", "Ascendant", "Midheaven")
PLACED_BODY_COUNT = 9

NAKSHATRA_NAMES_27 = (
    "Aswini", "Bharani", "Krittika", "Rohini", "Mrigsira", "Ardra",
    "Punarvasu", "Pushya", "Aslesha", "Magha", "Purbha Phalguni",
    "Uttara Phalguni", "Hasta", "Chitra", "Swati", "Vishakha", "Anuradha",
    "Jyeshtha", "Mula", "Purva Ashadha", "Uttara Ashadha", "Shravana",
    "Dhanishtha", "Shatbisha", "Poorva Bhadrapada", "Uttara Bhadrapada",
    "Revati")

KOTA_NAKSHATRA_NAMES = (
    "Ashwini", "Bharani", "Krittika", "Rohini", "Mrigasira", "Ardra",
    "Punarvasu", "Pushya", "Ashlesha", "Magha", "Poorva Phalguni",
    "Uttara Phalguni", "Hasta", "Chitra", "Swati", "Vishakha", "Anuradha",
    "Jyeshtha", "Moola", "Purva Ashadha", "Uttara Ashadha", "Abhijit",
    "Shravana", "Dhanistha", "Shatabhisha", "Poorva Bhadrapada",
    "Uttara Bhadrapada", "Revati")
ABHIJIT_KOTA_INDEX = 21

# Closing boundary (inclusive) of each 28-scheme nakshatra within the sign
# where it begins, kept in the stored text form "Sgn-DD-MM".
KOTA_BOUNDARY_TABLE = (
    "Ari-13-20", "Ari-26-40", "Ari-30-00", "Tau-23-20", "Tau-30-00",
    "Gem-20-00", "Gem-30-00", "Can-16-40", "Can-30-00", "Leo-13-20",
    "Leo-26-40", "Leo-30-00", "Vir-23-20", "Vir-30-00", "Lib-20-00",
    "Lib-30-00", "Sco-16-40", "Sco-30-00", "Sag-13-20", "Sag-26-40",
    "Sag-30-00", "Cap-10-00", "Cap-23-20", "Cap-30-00", "Aqu-20-00",
    "Aqu-30-00", "Pis-16-40", "Pis-30-00")

# The birth Moon's own Abhijit stretch, in minutes of arc within Capricorn
# (6 40 to 10 53 inclusive); it is not the stretch of the boundary table.
BIRTH_ABHIJIT_FIRST_MINUTE = 400
BIRTH_ABHIJIT_LAST_MINUTE = 653

BENEFIC_BODIES = ("Moon", "Mercury", "Jupiter", "Venus")
BENEFIC = "Benefic Planet"
MALEFIC = "Malefic Planet"
ENTERING, INNERMOST, EXITING = "Entering", "Innermost", "Exiting"
RESULTS = {
    (BENEFIC, ENTERING): "NA", (BENEFIC, INNERMOST): "Not Adverse",
    (BENEFIC, EXITING): "Adverse",
    (MALEFIC, ENTERING): "NA", (MALEFIC, INNERMOST): "Adverse",
    (MALEFIC, EXITING): "Not Adverse",
}


@dataclass
class ChartInput:
    month: int
    day: int
    year: int
    hour: int
    minute: int
    zone_hours: int
    zone_minutes: int
    longitude_degrees: int
    longitude_minutes: int
    latitude_degrees: int
    latitude_minutes: int
    is_east: bool
    is_south: bool
    is_daylight_saving: bool

    @classmethod
    def from_json(cls, fields):
        """From the keys of the program's JSON input document."""
        return cls(fields["Month"], fields["Day"], fields["Year"],
                   fields["Hour"], fields["Minute"],
                   fields["ZoneHours"], fields["ZoneMinutes"],
                   fields["LongitudeDegrees"], fields["LongitudeMinutes"],
                   fields["LatitudeDegrees"], fields["LatitudeMinutes"],
                   bool(fields["IsEast"]), bool(fields["IsSouth"]),
                   bool(fields["IsDaylightSaving"]))


# --- Calendar and time -----------------------------------------------------

def longitude_west_degrees(chart):
    longitude = chart.longitude_degrees + chart.longitude_minutes / 60
    return -longitude if chart.is_east else longitude


def latitude_north_degrees(chart):
    latitude = chart.latitude_degrees + chart.latitude_minutes / 60
    return -latitude if chart.is_south else latitude


def zone_offset_hours(chart, longitude_degrees):
    """Magnitude of the zone offset; daylight saving moves it one hour
    further ahead of universal time on either side of Greenwich."""
    zone_hours = chart.zone_hours + chart.zone_minutes / 60
    if chart.is_daylight_saving:
        zone_hours = zone_hours + 1 if longitude_degrees < 0 else zone_hours - 1
    return zone_hours


def universal_time(chart):
    """(ut_hours, longitude_degrees): UT on the local civil date, unwrapped.
    The zone's direction comes from the hemisphere (0 counts as west)."""
    local_hours = chart.hour + chart.minute / 60
    longitude_degrees = longitude_west_degrees(chart)
    zone_hours = zone_offset_hours(chart, longitude_degrees)
    if longitude_degrees < 0:
        ut_hours = local_hours - zone_hours
    else:
        ut_hours = local_hours + zone_hours
    return ut_hours, longitude_degrees


def julian_day_number(month, day, year):
    months_from_march = month + 12 * (year + 4800) - 3
    m = months_from_march
    jdn = (math.floor((365 * m + 2 * (m - 12 * math.floor(m / 12)) + 7) / 12)
           + day + math.floor(m / 48) - 32083)
    if jdn > 2299171:
        jdn = jdn + math.floor(m / 4800) - math.floor(m / 1200) + 38
    return float(jdn)


def centuries_since_1900(jdn, ut_hours):
    return ((jdn - 2415020) + ut_hours / 24 - 0.5) / 36525


def ut_calendar_moment(chart):
    """Universal-time date and clock time to the minute: UT added to 0:00 of
    the local civil date, carried into day, month and year. Whole minutes
    are exact in integers, so no rounding of UT hours is involved."""
    zone_minutes = chart.zone_hours * 60 + chart.zone_minutes
    east = longitude_west_degrees(chart) < 0
    if chart.is_daylight_saving:
        zone_minutes += 60 if east else -60
    local_minutes = chart.hour * 60 + chart.minute
    ut_minutes = local_minutes - zone_minutes if east else local_minutes + zone_minutes
    day_shift, minute_of_day = divmod(ut_minutes, 24 * 60)
    ut_date = (datetime.date(chart.year, chart.month, chart.day)
               + datetime.timedelta(days=day_shift))
    return (ut_date.year, ut_date.month, ut_date.day,
            minute_of_day // 60, minute_of_day % 60)


def day_number_2000(year, month, day, hour, minute):
    return (367 * year - math.floor(7 * (year + math.floor((month + 9) / 12)) / 4)
            + math.floor(275 * month / 9) + day - 730531.5
            + (hour + minute / 60) / 24)


def local_sidereal_degrees(centuries_1900, ut_hours, longitude_degrees):
    t = centuries_1900
    lst_degrees = 15 * (6.6460656 + 2400.0513 * t + 0.0000258 * (t * t) + ut_hours) \
        - longitude_degrees
    while lst_degrees >= 360:
        lst_degrees -= 360
    return lst_degrees


def obliquity_degrees(centuries_1900):
    return 23.452294 - 0.0130125 * centuries_1900


# --- Angles, ascendant, midheaven and the planet unit's ayanamsa ------------

def arc_tan2(y, x):
    if x > 0:
        return math.atan(y / x)
    if x == 0:
        return 0.0 if y == 0 else math.copysign(PI / 2, y)
    if y == 0:
        return 0.0
    return math.copysign(1.0, y) * (PI - math.atan(abs(y / x)))


def normalize_360(degrees):
    """One step each way; exactly 360 stays 360."""
    if degrees < 0:
        degrees += 360
    if degrees > 360:
        degrees -= 360
    return degrees


def sidereal_correction_1900_degrees(centuries_1900):
    """Negative of the ayanamsa of the planet unit (T from 1900)."""
    t = centuries_1900
    node_degrees = (933060 - 6962911 * t + 7.5 * (t * t)) / 3600
    while node_degrees >= 360:
        node_degrees -= 360
    twice_sun_degrees = (2013816 + 259205536 * t) / 3600
    nutation_arcseconds = (1.27 * math.sin(twice_sun_degrees * DEGREES_TO_RADIANS)
                           + 17.23 * math.sin(node_degrees * DEGREES_TO_RADIANS))
    return (nutation_arcseconds - t * (5025.64 + 1.11 * t) - 80861.27) / 3600


def tropical_midheaven_degrees(ramc_radians, obliquity_radians):
    mc_radians = arc_tan2(math.tan(ramc_radians), math.cos(obliquity_radians))
    if mc_radians < 0:
        mc_radians += PI
    if math.sin(ramc_radians) < 0:
        mc_radians += PI
    return mc_radians * RADIANS_TO_DEGREES


def tropical_ascendant_degrees(ramc_radians, obliquity_radians, latitude_degrees):
    latitude_radians = latitude_degrees * DEGREES_TO_RADIANS
    asc_radians = arc_tan2(
        math.cos(ramc_radians),
        -math.sin(ramc_radians) * math.cos(obliquity_radians)
        - math.sin(obliquity_radians) * math.tan(latitude_radians))
    if asc_radians < 0:
        asc_radians += PI
    if math.cos(ramc_radians) < 0:
        asc_radians += PI
    asc_degrees = asc_radians * RADIANS_TO_DEGREES
    while asc_degrees >= 360:
        asc_degrees -= 360
    return asc_degrees


# --- Sun, planets and nodes -------------------------------------------------

# Per row: a0, a rate, e0, e rate, then base degrees and rate in arc seconds
# per Julian century for i, node, perihelion and mean longitude.
ORBITAL_ELEMENT_ROWS = (
    # Mercury
    (0.38709893, 0.00000066, 0.20563069, 0.00002527,
     7.00487, -23.51, 48.33167, -446.30, 77.45645, 573.57,
     252.25084, 538101628.29),
    # Venus
    (0.72333199, 0.00000092, 0.00677323, -0.00004938,
     3.39471, -2.86, 76.68069, -996.89, 131.53298, -108.80,
     181.97973, 210664136.06),
    # Earth (the Sun is seen opposite to it)
    (1.00000011, -0.00000005, 0.01671022, -0.00003804,
     0.00005, -46.94, -11.26064, -18228.25, 102.94719, 1198.28,
     100.46435, 129597740.63),
    # Mars
    (1.52366231, -0.00007221, 0.09341233, 0.00011902,
     1.85061, -25.47, 49.57854, -1020.19, 336.04084, 1560.78,
     355.45332, 68905103.78),
    # Jupiter
    (5.20336301, 0.00060737, 0.04839266, -0.00012880,
     1.30530, -4.15, 100.55615, 1217.17, 14.75385, 839.93,
     34.40438, 10925078.35),
    # Saturn
    (9.53707032, -0.00301530, 0.05415060, -0.00036762,
     2.48446, 6.11, 113.71504, -1591.05, 92.43194, -1948.89,
     49.94432, 4401052.95),
)
MERCURY_ROW, VENUS_ROW, EARTH_ROW, MARS_ROW, JUPITER_ROW, SATURN_ROW = range(6)


def normalize_radians(radians):
    r = radians - TWO_PI * math.trunc(radians / TWO_PI)
    if r < 0:
        r += TWO_PI
    return r


@dataclass
class OrbitalElements:
    semi_major_axis_au: float
    eccentricity: float
    inclination_radians: float
    node_radians: float
    perihelion_radians: float
    mean_longitude_radians: float


def orbital_elements(row, day_number):
    (a0, a_rate, e0, e_rate, i0, i_rate, node0, node_rate,
     perihelion0, perihelion_rate, mean0, mean_rate) = ORBITAL_ELEMENT_ROWS[row]
    centuries_2000 = day_number / 36525

    def angle_radians(base_degrees, rate_arcseconds):
        return (base_degrees + rate_arcseconds * centuries_2000 / 3600) * DEGREES_TO_RADIANS

    return OrbitalElements(
        a0 + a_rate * centuries_2000,
        e0 + e_rate * centuries_2000,
        angle_radians(i0, i_rate),
        angle_radians(node0, node_rate),
        angle_radians(perihelion0, perihelion_rate),
        normalize_radians(angle_radians(mean0, mean_rate)))


def true_anomaly_radians(mean_anomaly_radians, eccentricity):
    """Kepler's equation by Newton's method, at most KEPLER_MAX_STEPS steps."""
    m, e = mean_anomaly_radians, eccentricity
    eccentric = m + e * math.sin(m) * (1 + e * math.cos(m))
    for _ in range(KEPLER_MAX_STEPS):
        next_eccentric = eccentric - (eccentric - e * math.sin(eccentric) - m) \
            / (1 - e * math.cos(eccentric))
        if not abs(next_eccentric - eccentric) > KEPLER_TOLERANCE_RADIANS:
            break
        eccentric = next_eccentric
    nu = 2 * math.atan(math.sqrt((1 + e) / (1 - e)) * math.tan(next_eccentric / 2))
    if nu < 0:
        nu += TWO_PI
    return nu


def orbit_radius_au(elements, nu_radians):
    e = elements.eccentricity
    return elements.semi_major_axis_au * (1 - e * e) / (1 + e * math.cos(nu_radians))


def geocentric_longitude_degrees(row, day_number):
    """Tropical geocentric ecliptic longitude of a row's body, 0 to 360."""
    body = orbital_elements(row, day_number)
    earth = orbital_elements(EARTH_ROW, day_number)

    earth_mean_anomaly = normalize_radians(earth.mean_longitude_radians
                                           - earth.perihelion_radians)
    earth_nu = true_anomaly_radians(earth_mean_anomaly, earth.eccentricity)
    earth_radius = orbit_radius_au(earth, earth_nu)
    earth_x = earth_radius * math.cos(earth.perihelion_radians + earth_nu)
    earth_y = earth_radius * math.sin(earth.perihelion_radians + earth_nu)

    mean_anomaly = normalize_radians(body.mean_longitude_radians - body.perihelion_radians)
    nu = true_anomaly_radians(mean_anomaly, body.eccentricity)
    radius = orbit_radius_au(body, nu)
    u = nu + body.perihelion_radians - body.node_radians
    cos_node, sin_node = math.cos(body.node_radians), math.sin(body.node_radians)
    cos_i = math.cos(body.inclination_radians)
    x = radius * (cos_node * math.cos(u) - sin_node * math.sin(u) * cos_i)
    y = radius * (sin_node * math.cos(u) + cos_node * math.sin(u) * cos_i)
    if row == EARTH_ROW:
        x = y = 0.0

    longitude_degrees = arc_tan2(y - earth_y, x - earth_x) * PLANET_RADIANS_TO_DEGREES
    while longitude_degrees > 360:
        longitude_degrees -= 360
    while longitude_degrees < 0:
        longitude_degrees += 360
    return longitude_degrees


def sidereal_from_tropical_degrees(tropical_degrees, sidereal_correction_degrees):
    sidereal_degrees = tropical_degrees - abs(sidereal_correction_degrees)
    while sidereal_degrees < 0:
        sidereal_degrees += 360
    return sidereal_degrees


def rahu_sidereal_degrees(day_number, sidereal_correction_degrees):
    node_degrees = 125.1228 - 0.0529538083 * day_number
    node_radians = normalize_radians(node_degrees * DEGREES_TO_RADIANS)
    rahu_degrees = node_radians * NODE_RADIANS_TO_DEGREES
    rahu_degrees = rahu_degrees - 1
    rahu_degrees = rahu_degrees - abs(sidereal_correction_degrees)
    while rahu_degrees < 0:
        rahu_degrees += 360
    return rahu_degrees


def ketu_sidereal_degrees(rahu_degrees):
    """Opposite Rahu; a sum of exactly 360 is not reduced here."""
    ketu_degrees = rahu_degrees + 180
    while ketu_degrees > 360:
        ketu_degrees -= 360
    return abs(ketu_degrees)


# --- The Moon unit (its own series, epoch 2000 and ayanamsa) ----------------

# (coefficient degrees, multiples of D, M, M', F, whether times E)
MOON_LONGITUDE_TERMS = (
    (6.288774, 0, 0, 1, 0, False),
    (1.274027, 2, 0, -1, 0, False),
    (0.658314, 2, 0, 0, 0, False),
    (0.213618, 0, 0, 2, 0, False),
    (-0.185116, 0, 1, 0, 0, True),
    (-0.114332, 0, 0, 0, 2, False),
    (0.058793, 2, 0, -2, 0, False),
    (0.057066, 2, -1, -1, 0, True),
    (0.053322, 2, 0, 1, 0, False),
    (0.045758, 2, -1, 0, 0, True),
    (-0.040923, 0, 1, -1, 0, True),
    (-0.034720, 1, 0, 0, 0, False),
    (-0.030383, 0, 1, 1, 0, True),
    (0.015327, 2, 0, 0, -2, False),
    (-0.012528, 0, 0, 1, 2, False),
    (0.010980, 0, 0, 1, -2, False),
    (0.010675, 4, 0, -1, 0, False),
    (0.010034, 0, 0, 3, 0, False),
    (0.008548, 4, 0, -2, 0, False),
    (-0.007888, 2, 1, -1, 0, True),
    (-0.006766, 2, 1, 0, 0, True),
    (-0.005163, 1, 0, -1, 0, False),
    (0.004987, 1, 1, 0, 0, True),
    (0.004036, 2, -1, 1, 0, True),
    (0.003994, 2, 0, 2, 0, False),
)


def moon_centuries_since_2000(chart):
    ut_hours, _ = universal_time(chart)
    jdn = julian_day_number(chart.month, chart.day, chart.year)
    return ((jdn - 2451545) + ut_hours / 24 - 0.5) / 36525


def series_argument_radians(multiples, elements_radians):
    """Sum of multiple x element, leaving out the zero multiples, so that an
    argument such as 2D - M' is formed as written."""
    argument = None
    for multiple, element in zip(multiples, elements_radians):
        if multiple == 0:
            continue
        term = element if abs(multiple) == 1 else abs(multiple) * element
        if argument is None:
            argument = term if multiple > 0 else -term
        elif multiple > 0:
            argument = argument + term
        else:
            argument = argument - term
    return argument


def moon_tropical_longitude_degrees(centuries_2000):
    t = centuries_2000
    mean_longitude = 218.3164591 + 481267.88134236 * t
    elongation = (297.8502042 + 445267.1115168 * t) * DEGREES_TO_RADIANS
    sun_anomaly = (357.5291092 + 35999.0502909 * t) * DEGREES_TO_RADIANS
    moon_anomaly = (134.9634114 + 477198.8676313 * t) * DEGREES_TO_RADIANS
    latitude_argument = (93.2720993 + 483202.0175273 * t) * DEGREES_TO_RADIANS
    eccentricity_factor = 1 - 0.002516 * t - 0.0000074 * (t * t)
    elements = (elongation, sun_anomaly, moon_anomaly, latitude_argument)

    series_degrees = 0.0
    for coefficient, d, m, mp, f, times_e in MOON_LONGITUDE_TERMS:
        term = coefficient * math.sin(series_argument_radians((d, m, mp, f), elements))
        if times_e:
            term = term * eccentricity_factor
        series_degrees += term

    longitude = mean_longitude + series_degrees
    while longitude < 0:
        longitude += 360
    while longitude > 360:
        longitude -= 360
    return longitude


def moon_sidereal_correction_degrees(centuries_2000):
    """Negative of the Moon unit's ayanamsa (T from 2000, sine of Lsun)."""
    t = centuries_2000
    node_degrees = 125.044555 - 1934.1361849 * t + 0.0020762 * (t * t)
    sun_mean_longitude_degrees = 280.466449 + 36000.7698231 * t + 0.0003106 * (t * t)
    nutation_arcseconds = (17.23 * math.sin(node_degrees * DEGREES_TO_RADIANS)
                           + 1.27 * math.sin(sun_mean_longitude_degrees * DEGREES_TO_RADIANS))
    return (nutation_arcseconds - (5025.64 * t + 1.11 * (t * t)) - 85886.27) / 3600


def moon_sidereal_degrees(chart):
    t = moon_centuries_since_2000(chart)
    sidereal = moon_tropical_longitude_degrees(t) + moon_sidereal_correction_degrees(t)
    if sidereal < 0:
        sidereal += 360
    return sidereal


def moon_nakshatra_index_27(moon_sidereal):
    index = math.floor(moon_sidereal * 60 / 800)
    # Only a Moon of exactly 360 reaches 27; it is the start of Aswini.
    return 0 if index >= 27 else index


# --- Position texts -----------------------------------------------------------

def sign_abbreviation(sign_index):
    return SIGN_ABBREVIATIONS[3 * sign_index:3 * sign_index + 3]


def format_sign_position(longitude_degrees):
    """Long form: degrees, minutes and seconds within the sign, truncated,
    then the sign. 360 and more wrap to the sign circle; a non-finite value
    is written as 0."""
    x = abs(longitude_degrees)
    if not math.isfinite(x):
        x = 0.0
    if x >= 360:
        x = math.fmod(x, 360.0)
    whole_degrees = math.floor(x)
    fraction = x - whole_degrees
    minutes_real = 60 * fraction
    minutes = math.floor(minutes_real)
    seconds = math.floor(60 * (minutes_real - minutes))
    sign_index = math.floor(whole_degrees / 30)
    while whole_degrees >= 30:
        whole_degrees -= 30
    return f"{whole_degrees}\u00b0 {minutes}' {seconds}\" {sign_abbreviation(sign_index)}"


def to_position_text(long_form):
    """Nine characters DD Sgn MM from a long form; seconds are dropped."""
    text = long_form.strip()
    degree_at = text.index("\u00b0")
    minute_at = text.index("'")
    degrees = text[:degree_at].strip()
    minutes = text[degree_at + 1:minute_at].strip()
    sign = long_form[-3:].strip()
    return f"{degrees.rjust(2, '0')} {sign} {minutes.rjust(2, '0')}"


def parse_position_text(position_text):
    """(sign, whole degrees, whole minutes) from their fixed character places."""
    return position_text[3:6], int(position_text[0:2]), int(position_text[7:9])


# --- One chart ----------------------------------------------------------------

@dataclass
class Chart:
    long_forms: dict          # body name -> long form
    position_texts: list      # in BODY_NAMES order
    moon_nakshatra_index: int
    moon_nakshatra_name: str
    sidereal_correction_degrees: float
    degrees: dict             # body name -> sidereal longitude before writing


def compute_chart(chart):
    ut_hours, longitude_degrees = universal_time(chart)
    latitude_degrees = latitude_north_degrees(chart)
    jdn = julian_day_number(chart.month, chart.day, chart.year)
    centuries_1900 = centuries_since_1900(jdn, ut_hours)
    correction_degrees = sidereal_correction_1900_degrees(centuries_1900)
    lst_degrees = local_sidereal_degrees(centuries_1900, ut_hours, longitude_degrees)
    ramc_radians = lst_degrees * DEGREES_TO_RADIANS
    obliquity_radians = obliquity_degrees(centuries_1900) * DEGREES_TO_RADIANS

    midheaven = normalize_360(
        tropical_midheaven_degrees(ramc_radians, obliquity_radians) + correction_degrees)
    ascendant = normalize_360(
        tropical_ascendant_degrees(ramc_radians, obliquity_radians, latitude_degrees)
        + correction_degrees)

    moon = moon_sidereal_degrees(chart)
    moon_index = moon_nakshatra_index_27(moon)

    day_number = day_number_2000(*ut_calendar_moment(chart))
    row_degrees = {
        name: sidereal_from_tropical_degrees(
            geocentric_longitude_degrees(row, day_number), correction_degrees)
        for name, row in (("Sun", EARTH_ROW), ("Mercury", MERCURY_ROW),
                          ("Venus", VENUS_ROW), ("Mars", MARS_ROW),
                          ("Jupiter", JUPITER_ROW), ("Saturn", SATURN_ROW))}
    rahu = rahu_sidereal_degrees(day_number, correction_degrees)

    degrees = dict(row_degrees, Moon=moon, Rahu=rahu, Ketu=ketu_sidereal_degrees(rahu),
                   Ascendant=ascendant, Midheaven=midheaven)
    long_forms = {name: format_sign_position(degrees[name]) for name in BODY_NAMES}
    return Chart(long_forms,
                 [to_position_text(long_forms[name]) for name in BODY_NAMES],
                 moon_index, NAKSHATRA_NAMES_27[moon_index],
                 correction_degrees, degrees)


# --- Kota Chakra ----------------------------------------------------------------

def birth_nakshatra_name(birth_chart):
    """The 27-scheme Moon name, or Abhijit for a birth Moon in its stretch."""
    sign, degrees, minutes = parse_position_text(birth_chart.position_texts[1])
    if sign == "Cap" and (BIRTH_ABHIJIT_FIRST_MINUTE <= 60 * degrees + minutes
                          <= BIRTH_ABHIJIT_LAST_MINUTE):
        return "Abhijit"
    return birth_chart.moon_nakshatra_name


def birth_kota_nakshatra(birth_chart):
    if birth_nakshatra_name(birth_chart) == "Abhijit":
        return ABHIJIT_KOTA_INDEX
    index_27 = birth_chart.moon_nakshatra_index
    # From Shravana on, the 27-scheme nakshatras stand one place later,
    # past Abhijit.
    return index_27 if index_27 < ABHIJIT_KOTA_INDEX else index_27 + 1


def find_kota_nakshatra(sign, degrees, minutes):
    for index, entry in enumerate(KOTA_BOUNDARY_TABLE):
        boundary_degrees, boundary_minutes = int(entry[4:6]), int(entry[7:9])
        if entry[0:3] == sign and (degrees < boundary_degrees or (
                degrees == boundary_degrees and minutes <= boundary_minutes)):
            return index
    return None


def kota_ring(first_nakshatra):
    """Nakshatra indices at places 1..28 (list index = place - 1)."""
    return [(first_nakshatra + place - 1) % 28 for place in range(1, 29)]


def place_in_ring(nakshatra, first_nakshatra):
    return (nakshatra - first_nakshatra) % 28 + 1


def zone_of_position(place):
    step_in_run = (place - 1) % 7
    if step_in_run < 3:
        return ENTERING
    if step_in_run == 3:
        return INNERMOST
    return EXITING


def body_nature(body_name):
    return BENEFIC if body_name in BENEFIC_BODIES else MALEFIC


@dataclass
class Placement:
    body: str
    nakshatra: str
    place: int
    zone: str
    nature: str
    result: str


def place_bodies(day_chart, first_nakshatra):
    placements = []
    for body, position_text in list(zip(BODY_NAMES, day_chart.position_texts))[:PLACED_BODY_COUNT]:
        nakshatra = find_kota_nakshatra(*parse_position_text(position_text))
        place = place_in_ring(nakshatra, first_nakshatra)
        zone = zone_of_position(place)
        nature = body_nature(body)
        placements.append(Placement(body, KOTA_NAKSHATRA_NAMES[nakshatra], place,
                                    zone, nature, RESULTS[(nature, zone)]))
    return placements


@dataclass
class Reading:
    birth: Chart
    day: Chart
    birth_nakshatra_27: str
    birth_kota_nakshatra: str
    ring: list
    placements: list


def compute_reading(birth_input, day_input):
    birth = compute_chart(birth_input)
    day = compute_chart(day_input)
    first = birth_kota_nakshatra(birth)
    return Reading(birth, day, birth.moon_nakshatra_name, KOTA_NAKSHATRA_NAMES[first],
                   [KOTA_NAKSHATRA_NAMES[k] for k in kota_ring(first)],
                   place_bodies(day, first))


def compute_reading_from_json(document):
    return compute_reading(ChartInput.from_json(document["birth"]),
                           ChartInput.from_json(document["day"]))
