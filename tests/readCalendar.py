#!/usr/bin/python3
"""Reads an iCalendar file with the icalendar package and prints its events
as JSON, for the tests to compare: exit 77 when the package is missing."""
import json
import sys

try:
    import icalendar
except ImportError:
    print("python3-icalendar is not installed")
    sys.exit(77)

with open(sys.argv[1], "rb") as f:
    calendar = icalendar.Calendar.from_ical(f.read())
events = [{
    "uid": str(e["UID"]),
    "sequence": int(e["SEQUENCE"]),
    "start": e.decoded("DTSTART").isoformat(),
    "end": e.decoded("DTEND").isoformat(),
    "summary": str(e["SUMMARY"]),
    "location": str(e["LOCATION"]),
    "description": str(e["DESCRIPTION"]),
} for e in calendar.walk("VEVENT")]
print(json.dumps({"version": str(calendar["VERSION"]), "events": events}))
