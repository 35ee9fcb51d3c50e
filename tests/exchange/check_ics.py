"""Reads the calendar that exchange_ics_sample writes with the icalendar package and
checks the events a calendar program would show. Exits 77 (skipped) without it."""
import subprocess
import sys
from datetime import date, datetime, time

try:
    import icalendar
    from dateutil.rrule import rrulestr
except ImportError:
    print("python3-icalendar is not installed; skipped")
    sys.exit(77)

data = subprocess.run([sys.argv[1]], capture_output=True, check=True).stdout
cal = icalendar.Calendar.from_ical(data)
assert str(cal["VERSION"]) == "2.0" and "PRODID" in cal
events = {str(e["UID"]): e for e in cal.walk("VEVENT")}
long_name = "Ωμέγα" + " 王小明" * 20
expected = {
    # uid: (summary, birth date, year in description, days it falls on in 2023 and 2024)
    "marrowtide-birthday-1": ("Lee, Ann; Jr.'s birthday", date(1990, 3, 15), "1990",
                              [date(2023, 3, 15), date(2024, 3, 15)]),
    "marrowtide-birthday-2": ("Leap \\ Day's birthday", date(2000, 2, 29), "2000",
                              [date(2023, 2, 28), date(2024, 2, 29)]),
    "marrowtide-birthday-3": (long_name + "'s birthday", date(1850, 12, 31), "1850",
                              [date(2023, 12, 31), date(2024, 12, 31)]),
}
# Birthdays without a year (today is 2022-06-01 for the sample): the event starts on the
# next birthday, today's included, and says nothing of a year.
yearless = {
    "marrowtide-birthday-4": ("No Year's birthday", date(2022, 12, 8), None,
                              [date(2023, 12, 8), date(2024, 12, 8)]),
    "marrowtide-birthday-5": ("Leap Unknown's birthday", date(2023, 2, 28), None,
                              [date(2023, 2, 28), date(2024, 2, 29)]),
    "marrowtide-birthday-6": ("Today Unknown's birthday", date(2022, 6, 1), None,
                              [date(2023, 6, 1), date(2024, 6, 1)]),
}
expected.update(yearless)
assert sorted(events) == sorted(expected), sorted(events)
for uid, (summary, born, year, days) in expected.items():
    e = events[uid]
    assert str(e["SUMMARY"]) == summary, (uid, str(e["SUMMARY"]))
    start = e.decoded("DTSTART")
    assert type(start) is date and start == born, (uid, start)  # all-day, not a date-time
    end = e.decoded("DTEND")
    assert type(end) is date and (end - start).days == 1, (uid, end)
    if year is None:
        assert "DESCRIPTION" not in e, (uid, str(e.get("DESCRIPTION")))
        assert not any(ch.isdigit() for ch in str(e["SUMMARY"])), (uid, "no age")
    else:
        assert year in str(e["DESCRIPTION"]), (uid, str(e["DESCRIPTION"]))
    assert isinstance(e.decoded("DTSTAMP"), datetime)
    rule = rrulestr(e["RRULE"].to_ical().decode(), dtstart=datetime.combine(start, time()))
    seen = [d.date() for d in rule.between(datetime(2023, 1, 1), datetime(2024, 12, 31), inc=True)]
    assert seen == days, (uid, seen)
print("calendar read:", len(events), "events")
