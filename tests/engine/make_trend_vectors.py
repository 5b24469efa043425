#!/usr/bin/env python3
"""Writes trend_vectors.inc: histories, and the daily means, trends, rates and goal dates that an
independent evaluation of the documented steps gives them.

Python floats are IEEE doubles and every operation is rounded once, so this is a second,
separate evaluation. The figures of an entry come from make_reference_vectors.compute. Run it
by hand when the cases should change; the build never runs it.
"""
import math

from make_reference_vectors import compute, literal

DAY = 86_400_000
MARCH_1ST = 1772323200000  # 2026-03-01 00:00 UTC
KG_PER_LB = 0.45454545454545453
LB_PER_KG = 2.2
METHODS = {"ymca": "FatMethod::WaistAndWeight", "navy": "FatMethod::Navy",
           "rfm": "FatMethod::RelativeFatMass"}
FIGURES = {"weight": "Figure::Weight", "fat": "Figure::FatPercentage",
           "fat_mass": "Figure::FatMass", "lean_mass": "Figure::LeanMass"}


def entry(day, minute, weight, waist=85.0, height=178.0, female=False, metric=True,
          method="ymca", offset=60, neck=38.0, hip=0.0):
    """An entry made at that minute of that wall-clock day after 1 March 2026."""
    wall = MARCH_1ST + day * DAY + minute * 60_000
    return dict(utc=wall - offset * 60_000, offset=offset, waist=waist, weight=weight,
                height=height, female=female, metric=metric, method=method, neck=neck, hip=hip)


def mass_in(mass, from_metric, to_metric):
    if from_metric == to_metric:
        return mass
    return mass * (KG_PER_LB if to_metric else LB_PER_KG)


def value(e, figure, metric):
    if figure == "weight":
        return mass_in(e["weight"], e["metric"], metric)
    percentage, fat, lean, _, _ = compute(e["waist"], e["weight"], e["height"], e["female"],
                                          e["metric"], e["neck"], e["hip"], e["method"])
    if figure == "fat":
        return percentage
    return mass_in(fat if figure == "fat_mass" else lean, e["metric"], metric)


def daily_means(entries, figure, metric):
    days = []
    for e in entries:
        v = value(e, figure, metric)
        if not math.isfinite(v):
            continue
        day = (e["utc"] + e["offset"] * 60_000) // DAY
        same = days and days[-1]["day"] == day and (
            figure == "weight" or days[-1]["method"] == e["method"])
        if not same:
            days.append(dict(day=day, method=e["method"], values=[]))
        days[-1]["values"].append(v)
    for d in days:
        total = 0.0
        for v in d["values"]:
            total = total + v
        d["mean"] = total / float(len(d["values"]))
    return days


def kept_after(days):
    if days >= 8000:
        return 0.0
    kept = 1.0
    for _ in range(days):
        kept = kept * 0.9
    return kept


def smoothed(days, figure):
    points = []
    for i, d in enumerate(days):
        afresh = i == 0 or (figure != "weight" and d["method"] != days[i - 1]["method"])
        if afresh:
            points.append(dict(day=d["day"], mean=d["mean"], trend=d["mean"], afresh=True))
            continue
        before = points[-1]["trend"]
        taken = 1.0 - kept_after(max(d["day"] - days[i - 1]["day"], 0))
        step = taken * (d["mean"] - before)
        points.append(dict(day=d["day"], mean=d["mean"], trend=before + step, afresh=False))
    return points


def round_half_away(x):
    f = math.floor(x)
    return f + 1 if x - f >= 0.5 else f


def ties(values):
    total = 0.0
    for v in sorted(set(values)):
        t = float(values.count(v))
        if t > 1:
            total = total + t * (t - 1.0) * (2.0 * t + 5.0)
    return total


def rate(points):
    if not points:
        return None
    latest = points[-1]["day"]
    chosen = []
    for p in reversed(points):
        if p["day"] < latest - 27:
            break
        chosen.insert(0, p)
        if p["afresh"]:
            break
    x = [float(p["day"]) for p in chosen]
    y = [p["mean"] for p in chosen]
    n = len(x)
    if n < 7 or x[-1] - x[0] < 14:
        return None
    slopes = sorted((y[j] - y[i]) / (x[j] - x[i])
                    for i in range(n) for j in range(i + 1, n) if x[j] != x[i])
    count = len(slopes)
    median = slopes[count // 2] if count % 2 else (slopes[count // 2 - 1] + slopes[count // 2]) / 2.0
    m = float(n)
    variance = (m * (m - 1.0) * (2.0 * m + 5.0) - ties(x) - ties(y)) / 18.0
    c = 1.959963984540054 * math.sqrt(variance)
    lower = max(round_half_away((count - c) / 2.0) - 1, 0)
    upper = min(round_half_away((count + c) / 2.0), count - 1)
    return median, slopes[int(lower)], slopes[int(upper)]


def goal_dates(goal, points, r):
    start = len(points) - 1
    while start > 0 and not points[start]["afresh"]:
        start -= 1
    latest = points[-1]["trend"]
    towards = goal - points[start]["trend"]
    left = goal - latest
    if towards == 0.0 or left * towards <= 0.0:
        return "Reached", 0, 0
    ends = []
    for per_day in (r[1], r[2]):
        if per_day == 0.0 or per_day * left < 0.0:
            return "NotOnCourse", 0, 0
        days = math.ceil(left / per_day)
        if days > 36525:
            return "NotOnCourse", 0, 0
        ends.append(points[-1]["day"] + days)
    return "Between", min(ends), max(ends)


def noisy(day):
    """A day's noise: up to 0.8 either way, the same for every run."""
    return ((day * 37) % 17 - 8) / 10.0


def cases():
    loss = [entry(d, 7 * 60, 95.0 - 0.05 * d + noisy(d)) for d in range(30)]
    yield "a_loss_through_daily_noise", loss, "weight", True, 85.0
    gaps = [entry(0, 420, 90.0), entry(1, 420, 89.5), entry(1, 1200, 90.5), entry(4, 420, 89.0),
            entry(10, 420, 88.0), entry(11, 1430, 88.4), entry(13, 600, 87.0), entry(16, 420, 87.5),
            entry(19, 420, 86.0), entry(20, 420, 86.2), entry(22, 420, 85.5)]
    yield "gaps_and_days_of_two_entries", gaps, "weight", True, 80.0
    yield "gaps_in_imperial_units", gaps, "weight", False, 180.0
    methods = ([entry(d, 420, 90.0 - 0.1 * d, waist=92.0 - 0.1 * d) for d in range(10)] +
               [entry(d, 420, 90.0 - 0.1 * d, waist=92.0 - 0.1 * d, method="navy")
                for d in range(10, 30)])
    yield "a_change_of_method", methods, "fat", True, 20.0
    yield "fat_mass_across_a_change_of_method", methods, "fat_mass", True, 15.0
    yield "lean_mass_across_a_change_of_method", methods, "lean_mass", True, 70.0
    steady = [entry(d, 420, 80.0 + noisy(d) / 2) for d in range(28)]
    yield "an_interval_holding_zero", steady, "weight", True, 75.0
    few = [entry(d * 3, 420, 80.0 - d * 0.2) for d in range(6)]
    yield "fewer_than_seven_days", few, "weight", True, 75.0
    short = [entry(d, 420, 80.0 - d * 0.2) for d in range(10)]
    yield "seven_days_over_less_than_two_weeks", short, "weight", True, 75.0
    late = [entry(d, 23 * 60 + 30, 70.0 + d * 0.1, offset=-300) for d in range(20)]
    yield "late_evenings_far_west", late, "weight", True, 75.0
    reached = [entry(d, 420, 86.0 - 0.2 * d) for d in range(20)]
    yield "a_goal_reached", reached, "weight", True, 84.0
    gaining = [entry(d, 420, 60.0 + 0.1 * d + noisy(d) / 4) for d in range(25)]
    yield "a_goal_the_wrong_way", gaining, "weight", True, 55.0
    woman = [entry(d, 480, 64.0 - 0.04 * d + noisy(d) / 2, waist=74.0, height=165.0, female=True)
             for d in range(35)]
    yield "a_womans_fat_percentage", woman, "fat", True, 25.0


def main():
    rows = ["// Generated by make_trend_vectors.py; do not edit by hand."]
    for name, entries, figure, metric, goal in cases():
        points = smoothed(daily_means(entries, figure, metric), figure)
        r = rate(points)
        kind, earliest, latest = goal_dates(goal, points, r) if r else ("NotOnCourse", 0, 0)
        history = ", ".join(
            "{%d, %d, %s, %s, %s, %s, %s, %s, %s, %s}" % (
                e["utc"], e["offset"], literal(e["waist"]), literal(e["weight"]),
                literal(e["height"]), "true" if e["female"] else "false",
                "true" if e["metric"] else "false", literal(e["neck"]), literal(e["hip"]),
                METHODS[e["method"]]) for e in entries)
        trend = ", ".join("{%d, %s, %s, %s}" % (p["day"], literal(p["mean"]), literal(p["trend"]),
                                                 "true" if p["afresh"] else "false")
                          for p in points)
        rate_text = "{true, %s, %s, %s}" % tuple(literal(v) for v in r) if r else "{false, 0, 0, 0}"
        rows.append('TrendCase{"%s", {%s}, %s, %s, {%s}, %s, %s, Trend::GoalDates::Kind::%s, %d, '
                    '%d},' % (name, history, FIGURES[figure], "true" if metric else "false", trend,
                              rate_text, literal(goal), kind, earliest, latest))
    with open("trend_vectors.inc", "w") as out:
        out.write("\n".join(rows) + "\n")


if __name__ == "__main__":
    main()
