#!/usr/bin/python3
# The events of an iCalendar file, read by the icalendar package, as JSON.
import json, sys
try:
    import icalendar
except ImportError:
    sys.exit(print("python3-icalendar is not installed") or 77)
calendar = icalendar.Calendar.from_ical(open(sys.argv[1], "rb").read())
print(json.dumps([{"uid": str(e["UID"]), "sequence": int(e["SEQUENCE"]),
                   "start": e.decoded("DTSTART").isoformat(), "end": e.decoded("DTEND").isoformat(),
                   "shown": [str(e[p]) for p in ("SUMMARY", "LOCATION", "DESCRIPTION")]}
                  for e in calendar.walk("VEVENT")]))
