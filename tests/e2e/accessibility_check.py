"""Reads Fenwake's accessibility tree through AT-SPI and checks what a screen reader hears:
the fields with their names, units and values, the check boxes, and the results table row
by row, before and after real keys and a click on Metric. With the argument "de", what a
German desktop hears."""
import subprocess
import sys
import time

import pyatspi


def fail(message):
    print("FAILED: " + message, file=sys.stderr)
    sys.exit(1)


def expect(what, heard, wanted):
    if heard != wanted:
        fail(f"{what}: heard {heard!r}, expected {wanted!r}")


def eventually(what, read, wanted):
    for _ in range(50):
        if read() == wanted:
            return
        time.sleep(0.1)
    expect(what, read(), wanted)


def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Fenwake" and app.childCount > 0:
                return app
        time.sleep(0.1)
    fail("no application called Fenwake on the accessibility bus")


def nodes(node):
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from nodes(child)


def by_role(root, role):
    return [node for node in nodes(root) if node.getRoleName() == role]


def field(root, name):
    for node in by_role(root, "text"):
        if node.name == name:
            return node
    fail(f"no text field named {name}")


def heard(node):
    value = node.queryText().getText(0, -1)
    return f"{node.name}, {node.description}: {value}"


def rows(table):
    grid = table.queryTable()
    return [[grid.getAccessibleAt(row, column).name for column in range(grid.nColumns)]
            for row in range(grid.nRows)]


def keys_in(title, *names):
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                             f"^{title}$"], capture_output=True, text=True, check=True,
                            timeout=10).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def keys(*names):
    keys_in("Fenwake", *names)


def window_named(app, name):
    for _ in range(50):
        for index in range(app.childCount):
            child = app.getChildAtIndex(index)
            if child is not None and child.name == name:
                return child
        time.sleep(0.1)
    fail(f"no window named {name}")


main = application()
# The main window is an application's frame; the windows of it, About and the help, dialogs.
window = main.getChildAtIndex(0)
expect("window", (window.getRoleName(), window.name), ("frame", "Fenwake"))

# On a German desktop: every name in German, and the figures with a decimal comma.
if sys.argv[1:] == ["de"]:
    expect("waist", heard(field(main, "Taille")), "Taille, Zoll: 34")
    expect("weight", heard(field(main, "Gewicht")), "Gewicht, Pfund: 180")
    expect("height", heard(field(main, "Größe")), "Größe, Zoll: 70")
    expect("check boxes", [box.name for box in by_role(main, "check box")],
           ["Weiblich", "Metrisch"])
    tables = by_role(main, "table")
    expect("tables", [table.name for table in tables], ["Ergebnisse"])
    grid = tables[0].queryTable()
    expect("column headers", [grid.getColumnHeader(c).name for c in range(grid.nColumns)],
           ["Kennzahl", "Ergebnis", "Einheit", "Bewertung"])
    expect("results", rows(tables[0]), [
        ["Fettanteil", "15,51", "%", "Durchschnittlich"],
        ["Fettmasse", "27,92", "lb", ""],
        ["Magermasse", "152,08", "lb", ""],
        ["Ruheumsatz", "2103,27", "kcal", ""],
        ["Body-Mass-Index", "25,82", "", "Übergewicht"],
    ])
    print("a German desktop hears every name in German")
    sys.exit(0)

expect("waist", heard(field(main, "Waist")), "Waist, inches: 34")
expect("weight", heard(field(main, "Weight")), "Weight, pounds: 180")
expect("height", heard(field(main, "Height")), "Height, inches: 70")
expect("check boxes", [box.name for box in by_role(main, "check box")], ["Female", "Metric"])

tables = by_role(main, "table")
expect("tables", [table.name for table in tables], ["Results"])
table = tables[0]
grid = table.queryTable()
expect("column headers", [grid.getColumnHeader(c).name for c in range(grid.nColumns)],
       ["Qty", "Result", "Unit", "Description"])
expect("row headers", [node.name for node in by_role(table, "table row header")],
       ["Fat Percentage", "Fat Body Mass", "Lean Body Mass", "Rest Metabolic Rate",
        "Body Mass Index"])
expect("results", rows(table), [
    ["Fat Percentage", "15.51", "%", "Average"],
    ["Fat Body Mass", "27.92", "Lbs", ""],
    ["Lean Body Mass", "152.08", "Lbs", ""],
    ["Rest Metabolic Rate", "2103.27", "Cals", ""],
    ["Body Mass Index", "25.82", "", "Overweight"],
])

keys("F1")
help_window = window_named(main, "Fenwake Help")
expect("help", help_window.getRoleName(), "dialog")
document = [node for node in nodes(help_window) if node.name == "Fenwake Help" and node != help_window]
if not document or "The figures" not in document[0].queryText().getText(0, -1):
    fail("the help's text cannot be read through the accessibility bus")
keys_in("Fenwake Help", "Escape")
keys("F10", "Return")
expect("About", window_named(main, "About").getRoleName(), "dialog")
keys_in("About", "Escape")

# Two entries kept, then the History window: its chart says the change in words, and its table
# holds the entries, newest first, as the list showed them.
keys("ctrl+d")
time.sleep(0.3)
keys("ctrl+d", "ctrl+h")
history = window_named(main, "Fenwake History")
charts = by_role(history, "chart")
expect("charts", [chart.name for chart in charts], ["Fat percentage and weight over time"])
if not charts[0].description.startswith("Fat percentage from 15.51 % on "):
    fail(f"the chart's description: {charts[0].description!r}")
entries = [table for table in by_role(history, "table") if table.name == "Entries, newest first"]
if not entries:
    fail("no table of entries in the History window")
entries_grid = entries[0].queryTable()
expect("history's columns", [entries_grid.getColumnHeader(c).name for c in range(entries_grid.nColumns)],
       ["Date and time", "Method", "Waist (in)", "Weight (Lbs)", "Weight trend (Lbs)",
        "Height (in)", "Fat (%)", "Fat trend (%)", "Fat rating", "Body mass index", "Category"])
# Each cell is heard with its column's name and its unit.
eventually("history's rows", lambda: [row[1:] for row in rows(entries[0])],
           [["Method Waist and weight", "Waist 34.00 inches", "Weight 180.00 pounds",
             "Weight trend 180.00 pounds", "Height 70.00 inches", "Fat 15.51 %", "Fat trend 15.51 %",
             "Fat rating Average", "Body mass index 25.82", "Category Overweight"]] * 2)
keys_in("Fenwake History", "Escape")

# A person types a new weight: the table says the new figures.
field(main, "Weight").queryComponent().grabFocus()
keys("ctrl+a", "1", "5", "0")
eventually("results after typing 150", lambda: rows(table)[0], ["Fat Percentage", "20.25", "%", "High"])
expect("weight after typing", heard(field(main, "Weight")), "Weight, pounds: 150")
expect("index after typing", rows(table)[4], ["Body Mass Index", "21.52", "", "Normal"])

# Metric ticked: every field says its new unit.
metric = [box for box in by_role(main, "check box") if box.name == "Metric"][0]
metric.queryComponent().grabFocus()
keys("space")
eventually("waist in metric", lambda: heard(field(main, "Waist")), "Waist, cm: 87.04")
expect("weight in metric", heard(field(main, "Weight")), "Weight, kilograms: 68.1818181818182")
expect("height in metric", heard(field(main, "Height")), "Height, cm: 179.2")
expect("masses in metric", [rows(table)[1][2], rows(table)[2][2]], ["Kg", "Kg"])

# Text that is not a number: the field says so.
field(main, "Weight").queryComponent().grabFocus()
keys("ctrl+a", "x")
eventually("a field that is not a number", lambda: heard(field(main, "Weight")),
           "Weight, kilograms. Enter a number.: x")
print("the screen reader hears the names, units, values and every result")
