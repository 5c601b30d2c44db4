#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The calendar file of velnora-cli read back by a real iCalendar parser.

Usage: check_calendar.py VELNORA_CLI WORK_DIR

Writes March 2025 for Ahmedabad twice, parses both files with python3-icalendar
and checks them against the same days listed by --days --table --json: one event
per favorable period (or per period with --ics-all), start and end in UTC from
the India zone, unique UIDs, and the same UIDs on the second import.
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


def events(path, *extra):
    run("--ics", path, *extra)
    raw = open(path, "rb").read()
    lines = raw.split(b"\r\n")
    check(lines[-1] == b"", path + ": ends with CRLF")
    check(all(b"\n" not in line and len(line) <= 75 for line in lines),
          path + ": CRLF lines of at most 75 octets")
    calendar = Calendar.from_ical(raw)
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
        check("Ahmedabad, Gujarat, India" in str(event["DESCRIPTION"]), label + ": place described")
        check("velnora-cli" in str(event["DESCRIPTION"]), label + ": program described")

for f in failures[:20]:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
