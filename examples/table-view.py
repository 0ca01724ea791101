#!/usr/bin/env python3
# SPDX-License-Identifier: LGPL-2.1-or-later
"""A table of data in a GTK 4 column view.

The TableModel is the view's list model as it is, through a
Gtk.SingleSelection: one column per column description, plus the row's
change version.  Double-click a cell to edit it (the row is marked
UPDATE), "Delete" marks the selected row for deletion (a row never stored
goes at once), "Add" appends a new row, marked INSERT.

    python3 examples/table-view.py

tests/python/test_table_view.py drives it under Xvfb."""

import sys

import gi

gi.require_version("Gdk", "4.0")
gi.require_version("Gtk", "4.0")
gi.require_version("TavrelModel", "1.0")
from gi.repository import Gdk, Gtk  # noqa: E402
from gi.repository import TavrelModel as T  # noqa: E402

DT = T.DataDataType
V = T.TransformDataVersion

CSS = b"""
.row-delete { text-decoration-line: line-through; color: #a51d2d; }
.row-insert { color: #26a269; }
.row-update { font-weight: bold; }
"""


def sample_table():
    """What a reader would have made of a result set."""
    table = T.DataTableModel.new_with_sql("SELECT id, name, price, sold FROM shop.sale ORDER BY id;")
    for name, kind, title in (("id", DT.INT32, "Id"), ("name", DT.STRING, "Product"),
                              ("price", DT.DOUBLE, "Price"), ("sold", DT.DATE, "Sold on")):
        column = T.DataColumnModel.new_full(name, kind)
        column.set_title(title)
        T.list_append_object(table.get_columns(), column)
    for texts in (["1", "tea", "2.50", "2024-03-05"], ["2", "cake", "3.20", "2024-03-05"],
                  ["3", "(Null)", "0.80", "2024-03-06"], ["4", "pie", "4.10", "2024-03-07"]):
        table.append_texts(texts)
    return table


def version_text(version):
    return T.TransformDataVersion.to_string(version) or ""


class TableView(Gtk.ApplicationWindow):
    def __init__(self, application, table):
        super().__init__(application=application, title=f"{table.get_schema()}.{table.get_entity()}")
        self.set_default_size(560, 320)
        self.table = table
        self.kinds = [c.get_data_type() for c in T.list_get_objects(table.get_columns())]
        self.selection = Gtk.SingleSelection(model=table)
        self.view = Gtk.ColumnView(model=self.selection, show_row_separators=True, show_column_separators=True)
        for index, column in enumerate(T.list_get_objects(table.get_columns())):
            factory = Gtk.SignalListItemFactory()
            factory.connect("setup", self.setup_cell)
            factory.connect("bind", self.bind_cell, index)
            factory.connect("unbind", self.unbind_cell)
            title = column.get_title() or column.get_name()
            self.view.append_column(Gtk.ColumnViewColumn(title=title, factory=factory, expand=True))
        factory = Gtk.SignalListItemFactory()
        factory.connect("setup", lambda _, item: item.set_child(Gtk.Label(xalign=0)))
        factory.connect("bind", self.bind_version)
        factory.connect("unbind", self.unbind_cell)
        self.view.append_column(Gtk.ColumnViewColumn(title="Version", factory=factory))

        add = Gtk.Button(label="Add")
        add.connect("clicked", lambda _: self.add_row())
        delete = Gtk.Button(label="Delete")
        delete.connect("clicked", lambda _: self.mark_selected_deleted())
        bar = Gtk.HeaderBar()
        bar.pack_start(add)
        bar.pack_start(delete)
        self.set_titlebar(bar)
        self.set_child(Gtk.ScrolledWindow(child=self.view, vexpand=True))

    # Cells: an editable label per value; the row's version sets its style.

    def setup_cell(self, _factory, item):
        label = Gtk.EditableLabel()
        label.connect("notify::editing", self.on_editing)
        item.set_child(label)

    def bind_cell(self, _factory, item, index):
        label, row = item.get_child(), item.get_item()
        label.column_index = index
        label.list_item = item
        value = row.get_value_at(index)
        label.set_text((value.to_string() if value else None) or "")
        self.watch_version(item, lambda *_: self.style(label, row))
        self.style(label, row)

    def bind_version(self, _factory, item):
        label, row = item.get_child(), item.get_item()
        show = lambda *_: (label.set_text(version_text(row.get_version())), self.style(label, row))  # noqa: E731
        self.watch_version(item, show)
        show()

    def watch_version(self, item, callback):
        row = item.get_item()
        item.watched = (row, row.connect("notify::version", callback))

    def unbind_cell(self, _factory, item):
        row, handler = getattr(item, "watched", (None, 0))
        if row is not None:
            row.disconnect(handler)
        item.watched = (None, 0)

    @staticmethod
    def style(widget, row):
        for version, css in ((V.DELETE, "row-delete"), (V.INSERT, "row-insert"), (V.UPDATE, "row-update")):
            if row.get_version() == version:
                widget.add_css_class(css)
            else:
                widget.remove_css_class(css)

    def on_editing(self, label, _pspec):
        if not label.get_editing():
            self.edit_cell(label.list_item.get_position(), label.column_index, label.get_text())

    # The three edits, as the buttons and the labels make them.

    def edit_cell(self, position, index, text):
        value = T.DataIValue.factory(self.kinds[index], text)
        current = self.table.get_value_at(index, position)
        if current is not None and current.to_string() == value.to_string():
            return
        self.table.set_value_at(index, position, value)
        self.table.update_row_version(position, V.UPDATE)

    def mark_selected_deleted(self):
        position = self.selection.get_selected()
        if position != Gtk.INVALID_LIST_POSITION:
            self.table.update_row_version(position, V.DELETE)

    def add_row(self):
        position = self.table.append(self.table.new_row())
        self.selection.set_selected(position)
        return position


def application(on_window=None):
    """The application; on_window, if given, is called with the window once
    it is shown."""
    app = Gtk.Application(application_id="org.libmodel.TableView")

    def activate(app):
        provider = Gtk.CssProvider()
        provider.load_from_data(CSS)
        Gtk.StyleContext.add_provider_for_display(Gdk.Display.get_default(), provider,
                                                  Gtk.STYLE_PROVIDER_PRIORITY_APPLICATION)
        window = TableView(app, sample_table())
        window.present()
        if on_window:
            on_window(window)

    app.connect("activate", activate)
    return app


def main(argv):
    return application().run(argv[:1])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
