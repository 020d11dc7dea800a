#!/usr/bin/python3
"""Reads heliodex-cli's iCalendar output with python3-icalendar, a parser independent of the
libical that writes it: one VEVENT per listed event, the same times, 48 hours in two days."""
import subprocess
import sys
from datetime import timedelta

import icalendar

cli = sys.argv[1]
site = ["--at", "2024-06-15 00:00", "--lat", "44.98", "--lon", "-93.27", "--tz", "-6", "--dst", "1"]


def run(*args):
    return subprocess.run([cli, *site, *args], check=True, capture_output=True, text=True).stdout


def vevents(text):
    cal = icalendar.Calendar.from_ical(text)
    return [c for c in cal.walk() if c.name == "VEVENT"]


def local(dt):
    assert dt.tzinfo is not None and dt.utcoffset() == timedelta(0), dt
    return (dt - timedelta(hours=5)).strftime("%Y-%m-%d %H:%M:%S")


failures = []
lines = run("events", "--days", "7").splitlines()
events = vevents(run("events", "--days", "7", "--format", "ics"))
if len(events) != len(lines):
    failures.append(f"{len(events)} VEVENTs for {len(lines)} events")
for line, ev in zip(lines, events):
    shown = f"{local(ev.decoded('DTSTART'))} {ev['SUMMARY']}"
    if shown != line:
        failures.append(f"{shown!r} != {line!r}")
if len({str(ev["UID"]) for ev in events}) != len(events):
    failures.append("UIDs repeat")

hours = vevents(run("hours", "--days", "2", "--format", "ics"))
if len(hours) != 48:
    failures.append(f"{len(hours)} hours in two days")
for a, b in zip(hours, hours[1:]):
    if a.decoded("DTEND") != b.decoded("DTSTART"):
        failures.append(f"gap after {a['UID']}")
if not all(str(h["SUMMARY"]).startswith("Hour of ") for h in hours):
    failures.append("an hour's SUMMARY")

# Two sites' exports imported into one calendar: every event names its own site and carries
# the date line of its moment; each calendar is named after its site.
oslo = ["--at", "2024-06-15 00:00", "--lat", "59.91", "--lon", "10.75", "--zone", "Europe/Oslo"]
sites = {"44.98° N 93.27° W": site, "59.91° N 10.75° E": oslo}
merged = icalendar.Calendar()
for place, where in sites.items():
    text = subprocess.run([cli, *where, "events", "--days", "2", "--format", "ics"], check=True,
                          capture_output=True, text=True).stdout
    cal = icalendar.Calendar.from_ical(text)
    for key in ("NAME", "X-WR-CALNAME"):
        if place not in str(cal.get(key)):
            failures.append(f"{key} {cal.get(key)!r} does not name {place}")
    for ev in cal.walk("VEVENT"):
        merged.add_component(ev)
merged = icalendar.Calendar.from_ical(merged.to_ical())
seen = set()
for ev in merged.walk("VEVENT"):
    place, description = str(ev["LOCATION"]), str(ev["DESCRIPTION"]).splitlines()
    seen.add(place)
    if place not in sites or description[0] != place or not description[1].startswith("An "):
        failures.append(f"{ev['UID']}: {place!r} {description!r}")
if seen != set(sites):
    failures.append(f"sites in the merged calendar: {seen}")

# An export with the alarms of a directory: a VALARM on each event whose alarm is on, its
# TRIGGER the lead time relative to the event (a void-of-course end's to the span's end).
import os
import tempfile

with tempfile.TemporaryDirectory() as d:
    def write(name, lines):
        with open(os.path.join(d, name), "w", newline="") as f:
            f.write("".join(line + "\r\n" for line in lines))

    write("alarmlist.txt", ["0"] + ["1"] * 27)  # Sun Rise on
    write("alarmoffsets.txt", ["-10"] + ["0"] * 27)
    write("skyalarms.txt", ["full-moon\t1\t-30\t", "civil-dawn\t1\t5\t", "void-end\t1\t-2\t"])
    want = {"Sun Rise": [timedelta(minutes=-10)], "Civil dawn": [timedelta(minutes=5)],
            "Full Moon": [timedelta(minutes=-30)]}
    for args in (["events", "--days", "8"], ["sky", "--days", "8"]):
        cal = vevents(run(*args, "--format", "ics", "--alarm-dir", d))
        for ev in cal:
            alarms = [a for a in ev.subcomponents if a.name == "VALARM"]
            summary = str(ev["SUMMARY"])
            got = [a["TRIGGER"].dt for a in alarms]
            expected = want.get(summary, [])
            if summary == "Void-of-course Moon":
                expected = [timedelta(minutes=-2)]
                if [a["TRIGGER"].params.get("RELATED") for a in alarms] != ["END"]:
                    failures.append(f"{ev['UID']}: the end alarm is not related to the end")
            if got != expected:
                failures.append(f"{ev['UID']} {summary}: triggers {got} != {expected}")
            if any(str(a["ACTION"]) != "DISPLAY" for a in alarms):
                failures.append(f"{ev['UID']}: an alarm without ACTION:DISPLAY")
        if not any(ev.subcomponents for ev in cal):
            failures.append(f"{args[0]}: no VALARM at all")

for f in failures:
    print(f)
print(f"{len(events)} events, {len(hours)} hours: {'FAILED' if failures else 'ok'}")
sys.exit(1 if failures else 0)
