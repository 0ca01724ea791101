# SPDX-License-Identifier: LGPL-2.1-or-later
"""Drives examples/table-view.py under Xvfb: edits a cell, marks a stored
row for deletion, adds a row and drops it again, adds another, then checks
that the table and what the view shows agree, that GTK logged no warning or
critical (GTK checks the list-model contract of what it is given), and saves
a picture of the screen.

    test_table_view.py EXAMPLE SCREENSHOT.png

The outer run starts Xvfb with its framebuffer in a file, runs itself
inside it, and judges the inner run's log."""

import importlib.util
import os
import subprocess
import sys
import tempfile
import traceback

INNER = "LIBMODEL_TABLE_VIEW_FRAMEBUFFER"


def outer(example, png):
    with tempfile.TemporaryDirectory() as framebuffer:
        env = dict(os.environ, **{INNER: framebuffer, "G_DEBUG": "fatal-criticals", "GTK_A11Y": "none",
                                  "GSK_RENDERER": "cairo", "NO_AT_BRIDGE": "1"})
        # A preloaded sanitizer runtime is for the interpreter, not for Xvfb.
        preload = env.pop("LD_PRELOAD", None)
        inside = ["env", f"LD_PRELOAD={preload}"] if preload else []
        command = ["xvfb-run", "-a", "-s", f"-screen 0 640x400x24 -fbdir {framebuffer}",
                   *inside, sys.executable, __file__, example, png]
        run = subprocess.run(command, env=env, capture_output=True, text=True, timeout=120)
    sys.stdout.write(run.stdout)
    sys.stderr.write(run.stderr)
    complaints = [line for line in run.stderr.splitlines() if "WARNING **" in line or "CRITICAL **" in line]
    if complaints:
        print(f"GTK complained {len(complaints)} times", file=sys.stderr)
        return 1
    if run.returncode != 0:
        return run.returncode
    if not os.path.exists(png) or os.path.getsize(png) == 0:
        print("no screenshot", file=sys.stderr)
        return 1
    print(f"screenshot: {png}")
    return 0


def framebuffer_to_png(path, png):
    """Xvfb keeps its screen as an XWD file: a big-endian header, a colour
    map, then the pixels (here 32 bits each, blue first)."""
    from gi.repository import GdkPixbuf, GLib

    data = open(path, "rb").read()
    field = lambda i: int.from_bytes(data[4 * i:4 * i + 4], "big")  # noqa: E731
    header_size, width, height = field(0), field(4), field(5)
    byte_order, bits_per_pixel, bytes_per_line, ncolors = field(7), field(11), field(12), field(19)
    if bits_per_pixel != 32 or byte_order != 0:
        raise RuntimeError(f"framebuffer of {bits_per_pixel} bits per pixel, byte order {byte_order}")
    start = header_size + 12 * ncolors
    rgb = bytearray(width * height * 3)
    for y in range(height):
        line = data[start + y * bytes_per_line:start + y * bytes_per_line + width * 4]
        out = memoryview(rgb)[y * width * 3:(y + 1) * width * 3]
        out[0::3], out[1::3], out[2::3] = line[2::4], line[1::4], line[0::4]
    pixbuf = GdkPixbuf.Pixbuf.new_from_bytes(GLib.Bytes.new(bytes(rgb)), GdkPixbuf.Colorspace.RGB,
                                             False, 8, width, height, width * 3)
    pixbuf.savev(png, "png", [], [])


def inner(example, png):
    found = importlib.util.spec_from_file_location("table_view", example)
    view = importlib.util.module_from_spec(found)
    found.loader.exec_module(view)
    from gi.repository import GLib

    T, V = view.T, view.V
    outcome = []

    def shown_texts(window):
        """The text of every cell the view shows, row by row."""
        rows = []
        for section in children(window.view):
            if section.get_css_name() == "listview":
                for row in children(section):
                    rows.append([cell.get_first_child().get_text() for cell in children(row)])
        return rows

    def children(widget):
        child = widget.get_first_child()
        while child is not None:
            yield child
            child = child.get_next_sibling()

    def edit(window):
        table = window.table
        # A cell as the label edits it: the text arrives when editing ends.
        label = shown_cell(window, 1, 1)
        label.start_editing()
        label.set_text("carrot cake")
        label.stop_editing(True)
        window.selection.set_selected(2)
        window.mark_selected_deleted()
        added = window.add_row()
        assert table.get_n_items() == 5 and table.get_item(added).get_version() == V.INSERT
        window.mark_selected_deleted()
        assert table.get_n_items() == 4, "a row never stored goes at once"
        window.add_row()

    def shown_cell(window, row, column):
        for section in children(window.view):
            if section.get_css_name() == "listview":
                return list(children(list(children(section))[row]))[column].get_first_child()
        raise AssertionError("no rows shown")

    def check(window):
        table = window.table
        versions = [T.TransformDataVersion.to_string(row.get_version()) for row in table]
        assert versions == ["INITIAL", "UPDATE", "DELETE", "INITIAL", "INSERT"], versions
        assert table.get_value_at(1, 1).to_string() == "carrot cake"
        shown = shown_texts(window)
        assert len(shown) == 5, shown
        assert shown[1][1] == "carrot cake" and shown[1][4] == "UPDATE", shown[1]
        assert shown[2][4] == "DELETE" and shown[4][4] == "INSERT", shown
        assert shown[4][1] == "" and shown[4][0] == "0", shown[4]
        framebuffer_to_png(os.path.join(os.environ[INNER], "Xvfb_screen0"), png)
        outcome.append(True)

    def step(window, action):
        def run():
            try:
                action(window)
                return GLib.SOURCE_REMOVE
            except Exception:
                traceback.print_exc()
            window.get_application().quit()
            return GLib.SOURCE_REMOVE
        return run

    def on_window(window):
        # Each step waits for the view to lay out what the previous one did.
        GLib.timeout_add(400, step(window, edit))
        GLib.timeout_add(1200, step(window, check))
        GLib.timeout_add(1400, lambda: window.get_application().quit())
        GLib.timeout_add_seconds(30, lambda: window.get_application().quit())

    view.application(on_window).run([example])
    return 0 if outcome else 1


if __name__ == "__main__":
    example, png = sys.argv[1], sys.argv[2]
    sys.exit(inner(example, png) if INNER in os.environ and os.environ.get("DISPLAY") else outer(example, png))
