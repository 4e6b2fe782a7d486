#!/usr/bin/env python3
"""Compare kotachakra-cli with the separately written calculation in
kota_reference.py over many random readings.

Every reading is one JSON document given to `kotachakra-cli --input -
--format json`. For both charts the position texts, long forms and the
Moon's nakshatra are compared, then the birth nakshatra of both schemes, the
ring and the nine placements. The first difference is printed with the input
document, the field and both values, and the exit status is 1.

The random inputs stay inside what the input pages let through, and lean on
the edges: extreme years, first and last days of months (where universal
time carries the date), longitudes 0 and 180, both hemispheres, daylight
saving on and off, and births whose Moon is steered into and around the
birth Moon's Abhijit stretch of Capricorn.
"""

import argparse
import calendar
import datetime
import json
import os
import random
import subprocess
import sys
import time
from concurrent.futures import ThreadPoolExecutor

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import kota_reference as ref  # noqa: E402

FIRST_YEAR, LAST_YEAR = 1901, 2050
COMMON_ZONES = ((0, 0), (1, 0), (3, 30), (4, 30), (5, 0), (5, 30), (5, 45),
                (8, 0), (9, 30), (10, 0), (12, 45), (14, 0))
DEFAULT_COUNT = 4000
DEFAULT_SEED = 20260101

# The Moon moves about 13.18 degrees a day; used only to steer births.
MOON_DEGREES_PER_MINUTE = 13.176 / 1440
SIDEREAL_MONTH_MINUTES = round(27.32166 * 1440)
CAPRICORN_START_DEGREES = 270
ABHIJIT_FIRST_DEGREES = CAPRICORN_START_DEGREES + 6 + 40 / 60
ABHIJIT_LAST_DEGREES = CAPRICORN_START_DEGREES + 10 + 53 / 60


# --- Random chart inputs -------------------------------------------------------

def random_date(rng):
    roll = rng.random()
    if roll < 0.08:
        year = FIRST_YEAR
    elif roll < 0.16:
        year = LAST_YEAR
    else:
        year = rng.randint(FIRST_YEAR, LAST_YEAR)
    roll = rng.random()
    if roll < 0.15:
        month, day = rng.choice(((1, 1), (12, 31), (2, 28), (2, 29), (3, 1)))
        if (month, day) == (2, 29) and not calendar.isleap(year):
            day = 28
    elif roll < 0.35:
        month = rng.randint(1, 12)
        day = rng.choice((1, calendar.monthrange(year, month)[1]))
    else:
        month = rng.randint(1, 12)
        day = rng.randint(1, calendar.monthrange(year, month)[1])
    return year, month, day


def random_clock_time(rng):
    if rng.random() < 0.3:
        return rng.choice((0, 23)), rng.randint(0, 59)
    return rng.randint(0, 23), rng.randint(0, 59)


def random_zone(rng):
    roll = rng.random()
    if roll < 0.4:
        return rng.choice(COMMON_ZONES)
    if roll < 0.5:
        return 14, 59
    return rng.randint(0, 14), rng.randint(0, 59)


def random_longitude(rng):
    roll = rng.random()
    if roll < 0.1:
        return 0, 0
    if roll < 0.2:
        return 180, 0
    return rng.randint(0, 179), rng.randint(0, 59)


def random_latitude(rng):
    roll = rng.random()
    if roll < 0.05:
        return 89, 59
    if roll < 0.1:
        return 0, 0
    return rng.randint(0, 89), rng.randint(0, 59)


def random_text(rng, length):
    return "".join(rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz ")
                   for _ in range(length)).strip() or "X"


def random_fields(rng):
    year, month, day = random_date(rng)
    hour, minute = random_clock_time(rng)
    zone_hours, zone_minutes = random_zone(rng)
    lon_degrees, lon_minutes = random_longitude(rng)
    lat_degrees, lat_minutes = random_latitude(rng)
    return {
        "Month": month, "Day": day, "Year": year, "Hour": hour, "Minute": minute,
        "ZoneHours": zone_hours, "ZoneMinutes": zone_minutes,
        "LongitudeDegrees": lon_degrees, "LongitudeMinutes": lon_minutes,
        "IsEast": rng.random() < 0.5,
        "LatitudeDegrees": lat_degrees, "LatitudeMinutes": lat_minutes,
        "IsSouth": rng.random() < 0.5,
        "IsDaylightSaving": rng.random() < 0.5,
        "City": random_text(rng, rng.randint(0, 10)),
        "State": random_text(rng, rng.randint(0, 6)) if rng.random() < 0.7 else "",
        "Country": random_text(rng, rng.randint(1, 8)),
    }


def shifted_local_moment(fields, minutes):
    moment = datetime.datetime(fields["Year"], fields["Month"], fields["Day"],
                               fields["Hour"], fields["Minute"])
    moment += datetime.timedelta(minutes=minutes)
    if not FIRST_YEAR <= moment.year <= LAST_YEAR:
        return None
    return dict(fields, Year=moment.year, Month=moment.month, Day=moment.day,
                Hour=moment.hour, Minute=moment.minute)


def steer_moon(fields, target_degrees):
    """Move the local clock time until the reference Moon stands at the
    target to within about a minute of arc (the Moon's motion per minute of
    time); place, zone and flags are kept."""
    for _ in range(8):
        moon = ref.moon_sidereal_degrees(ref.ChartInput.from_json(fields))
        gap_degrees = (target_degrees - moon + 180) % 360 - 180
        minutes = round(gap_degrees / MOON_DEGREES_PER_MINUTE)
        if minutes == 0:
            break
        shifted = shifted_local_moment(fields, minutes)
        if shifted is None:
            month = SIDEREAL_MONTH_MINUTES if fields["Year"] == FIRST_YEAR else -SIDEREAL_MONTH_MINUTES
            shifted = shifted_local_moment(fields, minutes + month)
        if shifted is None:
            break
        fields = shifted
    return fields


def abhijit_target_degrees(rng):
    """Around either end of the birth Moon's Abhijit stretch, or anywhere
    near it."""
    roll = rng.random()
    if roll < 0.4:
        return ABHIJIT_FIRST_DEGREES + rng.uniform(-3, 3) / 60
    if roll < 0.8:
        return ABHIJIT_LAST_DEGREES + rng.uniform(-2, 4) / 60
    return rng.uniform(ABHIJIT_FIRST_DEGREES - 2, ABHIJIT_LAST_DEGREES + 2)


def random_document(rng):
    birth = random_fields(rng)
    if rng.random() < 0.15:
        birth = steer_moon(birth, abhijit_target_degrees(rng))
    birth = dict({"Name": random_text(rng, rng.randint(1, 12))}, **birth)
    return {"birth": birth, "day": random_fields(rng)}


# --- Comparison ------------------------------------------------------------------------

class Difference(Exception):
    def __init__(self, field, expected, actual, note=""):
        super().__init__(field)
        self.field, self.expected, self.actual, self.note = field, expected, actual, note


def expect_equal(field, expected, actual, note=""):
    if expected != actual:
        raise Difference(field, expected, actual, note)


def compare_chart(key, expected, actual):
    positions = actual.get("positions", [])
    expect_equal(f"{key}.positions (bodies)", list(ref.BODY_NAMES),
                 [entry.get("body") for entry in positions])
    for name, position_text, entry in zip(ref.BODY_NAMES, expected.position_texts, positions):
        note = f"reference longitude {expected.degrees[name]!r} degrees"
        expect_equal(f"{key}.longForms.{name}", expected.long_forms[name],
                     actual.get("longForms", {}).get(name), note)
        expect_equal(f"{key}.positions[{name}]", position_text, entry.get("position"), note)
    expect_equal(f"{key}.moonNakshatra", expected.moon_nakshatra_name,
                 actual.get("moonNakshatra"),
                 f"reference Moon {expected.degrees['Moon']!r} degrees")


def compare_reading(expected, actual):
    compare_chart("birth", expected.birth, actual.get("birth", {}))
    compare_chart("day", expected.day, actual.get("day", {}))
    expect_equal("birthNakshatra", expected.birth_nakshatra_27, actual.get("birthNakshatra"))
    expect_equal("birthKotaNakshatra", expected.birth_kota_nakshatra,
                 actual.get("birthKotaNakshatra"),
                 f"birth Moon position text {expected.birth.position_texts[1]}")
    expect_equal("ring", expected.ring, actual.get("ring"))
    placements = actual.get("placements", [])
    expect_equal("placements (count)", len(expected.placements), len(placements))
    for index, (placement, entry) in enumerate(zip(expected.placements, placements)):
        for field in ("body", "nakshatra", "place", "zone", "nature", "result"):
            expect_equal(f"placements[{index}].{field}", getattr(placement, field),
                         entry.get(field),
                         f"day position text {expected.day.position_texts[index]}")


# --- Running the program -------------------------------------------------------------

def run_program(program, document):
    completed = subprocess.run([program, "--input", "-", "--format", "json"],
                               input=json.dumps(document).encode(),
                               capture_output=True, timeout=60, check=False)
    return completed.returncode, completed.stdout, completed.stderr


def report_difference(number, document, difference):
    print(f"Reading {number} differs in {difference.field}", file=sys.stderr)
    print(json.dumps(document, indent=4, ensure_ascii=False), file=sys.stderr)
    print(f"field:    {difference.field}", file=sys.stderr)
    print(f"expected: {difference.expected!r}  (reference)", file=sys.stderr)
    print(f"actual:   {difference.actual!r}  (program)", file=sys.stderr)
    if difference.note:
        print(f"note:     {difference.note}", file=sys.stderr)


def check(program, count, seed, jobs):
    rng = random.Random(seed)
    documents = [random_document(rng) for _ in range(count)]
    with ThreadPoolExecutor(max_workers=jobs) as pool:
        runs = pool.map(lambda document: run_program(program, document), documents)
        for number, (document, (status, out, err)) in enumerate(zip(documents, runs), 1):
            try:
                expect_equal("exit status", 0, status, err.decode(errors="replace").strip())
                compare_reading(ref.compute_reading_from_json(document), json.loads(out))
            except Difference as difference:
                report_difference(number, document, difference)
                pool.shutdown(wait=True, cancel_futures=True)
                return False
    return True


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", required=True, help="path of kotachakra-cli")
    parser.add_argument("--count", type=int, default=DEFAULT_COUNT,
                        help=f"number of random readings (default {DEFAULT_COUNT})")
    parser.add_argument("--seed", type=int, default=DEFAULT_SEED,
                        help=f"seed of the random inputs (default {DEFAULT_SEED})")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2,
                        help="program runs at a time (default: number of processors)")
    args = parser.parse_args()

    started = time.monotonic()
    if not check(args.program, args.count, args.seed, args.jobs):
        return 1
    print(f"{args.count} readings agree (seed {args.seed}) "
          f"in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
