#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The calendar file of velnora-cli read back by a real iCalendar parser.

Usage: check_calendar.py VELNORA_CLI WORK_DIR

Writes March 2025 for Ahmedabad twice, parses both files with python3-icalendar
and checks them against the same days listed by --days --table --json: one event
per favorable period (or per period with --ics-all), start and end in UTC from
the India zone, unique UIDs, and the same UIDs on the second import; no METHOD,
the calendar named after the place, a description in plain words, and with
--ics-alarm one reminder per event. Then New York across the change to daylight
saving time: the listing's ISO 8601 times name the same instants as the events.
"""
import datetime
import json
import os
import subprocess
import sys

from icalendar import Calendar

cli, work = sys.argv[1], sys.argv[2]
os.makedirs(work, exist_ok=True)
place = ["--lat-deg", "23", "--lat-min", "2", "--lon-deg", "72", "--lon-min", "35",
         "--zone-hour", "-5", "--zone-minute", "-30", "--city", "Ahmedabad", "--state", "Gujarat",
         "--country", "India"]
days = ["--month", "March", "--day", "1", "--year", "2025", "--days", "31"]
india = datetime.timedelta(hours=5, minutes=30)
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(*extra):
    return subprocess.run([cli, *place, *days, *extra], check=True, capture_output=True).stdout


def local(text):  # "3/1/2025 6:58:00 AM", or the date alone at midnight
    for form in ("%m/%d/%Y %I:%M:%S %p", "%m/%d/%Y"):
        try:
            return datetime.datetime.strptime(text, form)
        except ValueError:
            pass
    raise ValueError(text)


listing = json.loads(run("--table", "--json"))
periods = [p for d in listing["days"] for p in d["day"] + d["night"]]
check(len(listing["days"]) == 31, "31 days listed")


def parse(raw, label):
    lines = raw.split(b"\r\n")
    check(lines[-1] == b"", label + ": ends with CRLF")
    check(all(b"\n" not in line and len(line) <= 75 for line in lines),
          label + ": CRLF lines of at most 75 octets")
    calendar = Calendar.from_ical(raw)
    check("METHOD" not in calendar, label + ": no METHOD without an organizer")
    return calendar


def events(path, *extra):
    run("--ics", path, *extra)
    calendar = parse(open(path, "rb").read(), path)
    check(str(calendar.get("X-WR-CALNAME")).startswith("Choghadiya at Ahmedabad, Gujarat, India ("),
          path + ": calendar named " + str(calendar.get("X-WR-CALNAME")))
    return [c for c in calendar.walk() if c.name == "VEVENT"]


for extra, wanted in (((), [p for p in periods if p["verdict"] == "favorable"]), (("--ics-all",), periods)):
    first = events(os.path.join(work, "first.ics"), *extra)
    second = events(os.path.join(work, "second.ics"), *extra)
    label = "--ics " + " ".join(extra)
    check(len(first) == len(wanted), "%s: %d events for %d periods" % (label, len(first), len(wanted)))
    uids = [str(e["UID"]) for e in first]
    check(len(set(uids)) == len(uids), label + ": UIDs are unique")
    check(uids == [str(e["UID"]) for e in second], label + ": a second import has the same UIDs")
    for event, period in zip(first, wanted):
        start, end = event.decoded("DTSTART"), event.decoded("DTEND")
        check(start.utcoffset() == datetime.timedelta(0), label + ": DTSTART in UTC")
        check(start.replace(tzinfo=None) == local(period["start"]) - india,
              "%s: %s starts at %s" % (label, event["UID"], period["start"]))
        check(end.replace(tzinfo=None) == local(period["end"]) - india,
              "%s: %s ends at %s" % (label, event["UID"], period["end"]))
        check(str(event["SUMMARY"]) == "%s: %s" % (period["name"], period["verdict"]),
              label + ": summary " + str(event["SUMMARY"]))
        span = "night, from sunset" if "night" in str(event["UID"]) else "day, from sunrise"
        check(str(event["DESCRIPTION"]).startswith(
            "%s is a%s %s Choghadiya period at Ahmedabad, Gujarat, India (" %
            (period["name"], "n" if period["verdict"][0] in "iu" else "", period["verdict"]))
            and (" of the eight periods of the " + span) in str(event["DESCRIPTION"]),
            label + ": described as " + str(event["DESCRIPTION"]))
        check(not event.walk("VALARM"), label + ": no reminder unless asked for")

reminded = events(os.path.join(work, "alarm.ics"), "--ics-alarm", "15")
alarms = [a for e in reminded for a in e.walk("VALARM")]
check(len(alarms) == len(reminded) > 0, "--ics-alarm: one reminder per event")
for alarm in alarms:
    check(str(alarm["ACTION"]) == "DISPLAY", "--ics-alarm: ACTION:DISPLAY")
    check(alarm.decoded("TRIGGER") == -datetime.timedelta(minutes=15), "--ics-alarm: 15 minutes before")
    check(str(alarm["DESCRIPTION"]).endswith("begins in 15 minutes"), "--ics-alarm: described")

# Across the night the clocks go forward, each listed time in ISO 8601 is the
# instant of the event, and the general date text is its wall-clock reading.
new_york = ["--place", "New York City New York United States", "--month", "Mar", "--day", "9",
            "--year", "2024", "--days", "3"]
listed = json.loads(subprocess.run([cli, *new_york, "--table", "--json"], check=True,
                                   capture_output=True).stdout)
spring = [p for d in listed["days"] for p in d["day"] + d["night"]]
calendar = parse(subprocess.run([cli, *new_york, "--ics", "-", "--ics-all"], check=True,
                                capture_output=True).stdout, "New York")
moved = [c for c in calendar.walk() if c.name == "VEVENT"]
check(len(moved) == len(spring), "New York: one event per period")
offsets = set()
for event, period in zip(moved, spring):
    for key, iso, text in (("DTSTART", "startIso", "start"), ("DTEND", "endIso", "end")):
        at = datetime.datetime.fromisoformat(period[iso])
        offsets.add(at.utcoffset())
        check(at == event.decoded(key), "New York: %s %s is %s" % (event["UID"], iso, period[iso]))
        check(at.replace(tzinfo=None) == local(period[text]), "New York: %s reads %s" % (iso, period[text]))
check(offsets == {datetime.timedelta(hours=-5), datetime.timedelta(hours=-4)},
      "New York: both offsets of the change")

for f in failures[:20]:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
