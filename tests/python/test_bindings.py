# SPDX-License-Identifier: LGPL-2.1-or-later
"""The library as a Python caller reaches it through the typelib: the
typical road of data from cell texts to a patched table and a compared
catalogue, and the ownership of what crosses the boundary."""

import gc
import os
import tempfile
import unittest

import gi

gi.require_version("GLib", "2.0")
gi.require_version("GObject", "2.0")
gi.require_version("Json", "1.0")
gi.require_version("TavrelModel", "1.0")
from gi.repository import GLib, GObject, Json  # noqa: E402
from gi.repository import TavrelModel as T  # noqa: E402

DT = T.DataDataType
V = T.TransformDataVersion


class Lifetimes:
    """Watches objects through GObject weak references: each must be
    finalized once Python drops its last reference."""

    def __init__(self):
        self.alive = {}

    def watch(self, name, obj):
        self.alive[name] = True
        obj.weak_ref(self.alive.__setitem__, name, False)
        return obj

    def assert_all_gone(self, test):
        gc.collect()
        test.assertEqual([n for n, alive in self.alive.items() if alive], [])


def table_from_texts(sql, columns, rows):
    """A reader's work: a table from the statement, one column per result
    column, each cell's text through the factory."""
    table = T.DataTableModel.new_with_sql(sql)
    cols = table.get_columns()
    for name, kind in columns:
        T.list_append_object(cols, T.DataColumnModel.new_full(name, kind))
    for texts in rows:
        row = T.DataRowModel.new()
        values = row.get_values()
        for (_, kind), text in zip(columns, texts):
            T.list_append_object(values, T.DataIValue.factory(kind, text))
        table.append(row)
    return table


class TypicalRoad(unittest.TestCase):
    COLUMNS = [("id", DT.INT32), ("name", DT.STRING), ("price", DT.DOUBLE), ("sold", DT.DATE)]
    ROWS = [("1", "tea", "2.5", "2024-03-05"), ("2", "(Null)", "0.1", "2024-03-06"), ("3", "cake", None, "2024-03-07")]

    def setUp(self):
        self.table = table_from_texts("SELECT * FROM shop.sale WHERE id > 0;", self.COLUMNS, self.ROWS)

    def test_cells_reach_the_table_through_the_factory(self):
        t = self.table
        self.assertEqual((t.get_schema(), t.get_entity()), ("shop", "sale"))
        self.assertEqual(t.get_n_items(), 3)
        self.assertEqual(t.get_item_type(), T.DataRowModel.__gtype__)
        cells = [[t.get_value_at(c, r) for c in range(4)] for r in range(3)]
        self.assertEqual([v.to_string() for v in cells[0]], ["1", "tea", "2.50", "2024-03-05"])
        self.assertIsInstance(cells[1][1], T.DataValueNull)
        self.assertTrue(cells[1][1].get_is_null())
        self.assertEqual(cells[0][0].get_itsvalue(), 1)
        self.assertEqual(cells[2][2].get_itsvalue(), 0.0)
        self.assertIsNone(t.get_value_at(4, 0))
        self.assertIsNone(t.get_value_at(0, 3))
        self.assertEqual([r.get_version() for r in t], [V.INITIAL] * 3)
        names = [c.get_name() for c in T.list_get_objects(t.get_columns())]
        self.assertEqual(names, ["id", "name", "price", "sold"])

    def test_edits_are_announced(self):
        t, seen = self.table, []
        t.connect("items-changed", lambda model, pos, removed, added: seen.append((pos, removed, added)))
        versions = []
        first = t.get_item(0)
        first.connect("notify::version", lambda row, _: versions.append(row.get_version()))

        t.set_value_at(1, 0, T.DataValueString.new("green tea"))
        t.update_row_version(0, V.UPDATE)
        self.assertEqual(t.get_value_at(1, 0).to_string(), "green tea")
        self.assertEqual(versions, [V.UPDATE])

        row = t.new_row()
        self.assertEqual(row.get_version(), V.INSERT)
        self.assertEqual([v.get_data_type() for v in T.list_get_objects(row.get_values())],
                         [DT.INT32, DT.STRING, DT.DOUBLE, DT.DATE])
        self.assertEqual(t.append(row), 3)
        found, position = t.find(row)
        self.assertEqual((found, position), (True, 3))
        t.update_row_version(3, V.DELETE)
        t.update_row_version(2, V.DELETE)
        self.assertEqual(seen, [(3, 0, 1), (3, 1, 0)])
        self.assertEqual(t.find(row), (False, 0))
        self.assertEqual([r.get_version() for r in t], [V.UPDATE, V.INITIAL, V.DELETE])

        self.assertEqual(t.append_texts(["4", "pie", "3", "2024-04-01"]), 3)
        self.assertEqual(t.append_texts(["too few"]), -1)
        self.assertEqual(seen[-1], (3, 0, 1))

    def test_the_patcher_returns_the_changed_rows(self):
        source = self.table
        target = table_from_texts(source.get_statements(), self.COLUMNS, self.ROWS)
        target.set_value_at(2, 1, T.DataValueDouble.new(0.2))
        patcher = T.TransformPatcher.new()
        version, patched = patcher.diff_data_table(source, target)
        self.assertEqual(version, V.UPDATE)
        self.assertEqual(patched.get_n_items(), 1)
        self.assertEqual(patched.get_item(0).get_value_at(2).to_string(), "0.20")

        version, patched = patcher.diff_data_table(source, source)
        self.assertEqual((version, patched), (V.IDENTICAL, None))

        moved = table_from_texts(source.get_statements(), self.COLUMNS, [self.ROWS[2], self.ROWS[0]])
        version, patched = patcher.diff_data_table_by_key(source, moved, [0])
        self.assertEqual(version, V.UPDATE)
        self.assertEqual([r.get_version() for r in patched], [V.DELETE])

    def test_tables_from_kinds_and_binary_arrays(self):
        t = T.DataTableModel.new_with_types([DT.INT64, DT.BINARY, DT.BOOLEAN])
        kinds = [c.get_data_type() for c in T.list_get_objects(t.get_columns())]
        self.assertEqual(kinds, [DT.INT64, DT.BINARY, DT.BOOLEAN])
        data = bytes([0, 1, 2, 255, 0])
        binary = T.DataValueBinary.new(data)
        self.assertEqual(bytes(binary.to_bytes()), data)
        self.assertEqual(binary.to_hexadecimal(), "000102FF00")
        self.assertEqual(binary.get_itsvalue().get_data(), data)
        self.assertEqual(binary.get_itsvalue().get_data(), data)
        empty = T.DataValueBinary.new(b"")
        self.assertFalse(empty.to_bytes())
        enum = T.DataValueEnum.new("red")
        enum.initialize(["red", "green"])
        self.assertEqual(enum.clone().to_string(), "red")
        text = T.DataValueUtf16.new_string("zoë")
        self.assertEqual(text.to_string(), "zoë")
        self.assertEqual(list(text.get_itsvalue()), [ord("z"), ord("o"), ord("ë")])


class Catalogue(unittest.TestCase):
    def build(self):
        db = T.MetaMetaDatabase.new_with_name("shop")
        schema = db.append("public")
        self.assertIs(db.append("public"), schema)
        table = T.MetaMetaTable.new_with_names("shop", "public", "sale")
        T.list_append_object(schema.get_tables(), table)
        table.new_column("id", DT.INT32)
        table.new_column("price", DT.DOUBLE).set_not_null(True)
        key = T.MetaMetaPrimaryKey.new_with_names("shop", "public", "sale_pk")
        T.list_append_string(key.get_columns(), "id")
        T.list_append_object(table.get_constraints(), key)
        T.list_append_object(table.get_constraints(),
                             T.MetaMetaCheck.new_with_names("shop", "public", "positive", "price > 0"))
        routine = T.MetaMetaFunction.new_with_names("shop", "public", "total")
        for parameter in ("a integer", "b integer"):
            T.list_append_string(routine.get_parameters(), parameter)
        T.list_append_object(schema.get_routines(), routine)
        T.map_set_string(table.get_attributes(), "engine", "heap")
        return db

    def test_tree_through_the_helpers_and_json(self):
        db = self.build()
        schema = T.list_get_object(db.get_schemas(), 0)
        table = T.list_get_object(schema.get_tables(), 0)
        self.assertEqual(table.get_column("price").get_not_null(), True)
        self.assertIsNone(table.get_column("nothing"))
        constraints = T.list_get_objects(table.get_constraints())
        self.assertEqual([type(c) for c in constraints], [T.MetaMetaPrimaryKey, T.MetaMetaCheck])
        self.assertEqual(T.list_get_strings(constraints[0].get_columns()), ["id"])

        text, _ = Json.gobject_to_data(db)
        copy = Json.gobject_from_data(T.MetaMetaDatabase, text, -1)
        self.assertEqual(Json.gobject_to_data(copy)[0], text)
        table_copy = T.list_get_object(T.list_get_object(copy.get_schemas(), 0).get_tables(), 0)
        self.assertEqual(T.map_get_keys(table_copy.get_attributes()), ["engine"])
        self.assertEqual(T.map_get_string(table_copy.get_attributes(), "engine"), "heap")
        routine = T.list_get_object(T.list_get_object(copy.get_schemas(), 0).get_routines(), 0)
        self.assertIsInstance(routine, T.MetaMetaFunction)
        self.assertEqual(T.list_get_strings(routine.get_parameters()), ["a integer", "b integer"])

    def test_list_and_map_helpers_replace_and_remove(self):
        table = T.MetaMetaTable.new()
        columns = table.get_columns()
        a, b = T.MetaMetaColumn.new(), T.MetaMetaColumn.new()
        self.assertEqual(T.list_append_object(columns, a), 0)
        self.assertTrue(T.list_insert_object(columns, 0, b))
        self.assertEqual(T.list_index_of_object(columns, a), 1)
        self.assertTrue(T.list_set_object(columns, 1, b))
        self.assertEqual(T.list_index_of_object(columns, a), -1)
        self.assertTrue(T.list_remove_at(columns, 0))
        self.assertEqual(T.list_get_size(columns), 1)
        T.list_clear(columns)
        self.assertEqual(T.list_get_size(columns), 0)
        self.assertIs(table.get_columns(), columns)

        names = T.list_new_strings()
        for name in ("x", "y"):
            T.list_append_string(names, name)
        self.assertTrue(T.list_set_string(names, 1, "z"))
        self.assertTrue(T.list_insert_string(names, 0, "w"))
        key = T.MetaMetaPrimaryKey.new()
        key.set_columns(names)
        self.assertEqual(T.list_get_strings(key.get_columns()), ["w", "x", "z"])

        views = T.list_new_objects(T.MetaMetaView.__gtype__)
        T.list_append_object(views, T.MetaMaterialized.new())
        schema = T.MetaMetaSchema.new()
        schema.set_views(views)
        self.assertIsInstance(T.list_get_object(schema.get_views(), 0), T.MetaMaterialized)

        attributes = T.map_new_strings()
        T.map_set_string(attributes, "b", "2")
        T.map_set_string(attributes, "a", "1")
        T.map_set_string(attributes, "a", "one")
        role = T.MetaMetaRole.new()
        role.set_privileges(attributes)
        self.assertEqual(T.map_get_keys(role.get_privileges()), ["a", "b"])
        self.assertEqual(T.map_get_string(role.get_privileges(), "a"), "one")
        self.assertTrue(T.map_remove(attributes, "a"))
        self.assertFalse(T.map_remove(attributes, "a"))
        self.assertFalse(T.map_has_key(attributes, "a"))
        self.assertIsNone(T.map_get_string(attributes, "a"))
        T.map_clear(attributes)
        self.assertEqual(T.map_get_size(attributes), 0)

    def test_two_trees_compared(self):
        source = self.build()
        target = source.clone()
        schema = T.list_get_object(target.get_schemas(), 0)
        table = T.list_get_object(schema.get_tables(), 0)
        table.set_comment("sales of the day")
        T.list_remove_at(table.get_columns(), 1)
        T.list_append_object(schema.get_tables(), T.MetaMetaTable.new_with_names("shop", "public", "extra"))
        self.assertEqual(T.TransformPatcher.new().diff_model(source, target), V.UPDATE)

        def record(obj):
            diff, slices = obj.diff(), obj.slice()
            versions = {key: T.map_lookup_version(diff, key) for key in T.map_get_keys(diff)}
            self.assertTrue(all(found for found, _ in versions.values()))
            return ({key: version for key, (_, version) in versions.items()},
                    {key: T.map_get_string(slices, key) for key in T.map_get_keys(slices)})

        self.assertEqual(record(target), ({"schemas.public": V.UPDATE}, {}))
        self.assertEqual(record(schema), ({"tables.extra": V.INSERT, "tables.sale": V.UPDATE}, {}))
        self.assertEqual(record(table), ({"columns.price": V.DELETE, "comment": V.UPDATE}, {"comment": ""}))
        diff = table.diff()
        self.assertEqual(T.map_lookup_version(diff, "no such path"), (False, V.INITIAL))
        T.map_set_version(diff, "by hand", V.INSERT)
        self.assertEqual(T.map_lookup_version(table.diff(), "by hand"), (True, V.INSERT))
        table.clear_diff()
        self.assertEqual(T.map_get_size(diff), 0)


class Settings(unittest.TestCase):
    def test_profile_described(self):
        server = T.SettingServer.new_with_provider("pg")
        self.assertEqual(len(server.get_uuid()), 36)
        server.set_title("db1")
        server.set_host("h")
        server.set_port(5432)
        server.set_username("u")
        server.set_ssl_using(True)
        self.assertEqual(server.to_string(False),
                         "Server db1 => Provider:pg, Initial:, Host:h, port:5432, User:u, SSL:Yes, Tunnel:")
        server.set_host(None)
        self.assertIsNone(server.get_host())
        server.set_databases(["main", "archive"])
        self.assertEqual(server.get_databases(), ["main", "archive"])
        self.assertEqual(server.props.databases, ["main", "archive"])
        copy = server.clone(True)
        self.assertNotEqual(copy.get_uuid(), server.get_uuid())
        self.assertEqual(copy.get_databases(), ["main", "archive"])


class Files(unittest.TestCase):
    def run_async(self, start, finish):
        loop, outcome = GLib.MainLoop(), []

        def done(source, result):
            try:
                finish(result)
                outcome.append(None)
            except GLib.Error as error:
                outcome.append(error)
            loop.quit()

        start(done)
        GLib.timeout_add_seconds(20, loop.quit)
        loop.run()
        self.assertEqual(len(outcome), 1, "the callback ran once")
        return outcome[0]

    def test_text_saved_and_loaded_on_a_main_loop(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "note.txt")
            text = "first line\nsecond line ë\n" * 100
            value = T.DataValueString.new(text)
            self.assertIsNone(self.run_async(lambda cb: value.save(path, cb), value.save_finish))
            loaded = T.DataValueString.new("")
            self.assertIsNone(self.run_async(lambda cb: loaded.load(path, cb), loaded.load_finish))
            self.assertEqual(loaded.get_itsvalue(), text)
            failed = self.run_async(lambda cb: loaded.save(os.path.join(path, "x"), cb), loaded.save_finish)
            self.assertIsInstance(failed, GLib.Error)
            self.assertEqual(loaded.get_itsvalue(), text)


class Ownership(unittest.TestCase):
    def test_results_are_released_when_python_drops_them(self):
        life = Lifetimes()
        table = life.watch("table", table_from_texts("SELECT * FROM t;", [("n", DT.INT32)], [("1",), ("2",)]))
        row = life.watch("row", table.get_item(0))
        life.watch("value", table.get_value_at(0, 0))
        life.watch("clone", row.clone())
        life.watch("new row", table.new_row())
        life.watch("deleted", table.delete_at(1))
        life.watch("factory", T.DataIValue.factory(DT.STRING, "x"))
        life.watch("copy", T.DataValueInt32.new(3).clone())
        life.watch("helper", T.list_get_object(table.get_columns(), 0))
        for item in T.list_get_objects(table.get_columns()):
            life.watch("from array", item)
        db = life.watch("database", T.MetaMetaDatabase.new_with_name("d"))
        life.watch("schema", db.append("s"))
        life.watch("diff", db.diff())
        life.watch("server", T.SettingServer.new().clone(False))
        version, patched = T.TransformPatcher.new().diff_data_table(table, table_from_texts(
            "SELECT * FROM t;", [("n", DT.INT32)], [("9",)]))
        life.watch("patched", patched)
        del table, row, db, item, patched
        life.assert_all_gone(self)

    def test_borrowed_containers_keep_their_owner_reference(self):
        table = T.DataTableModel.new()
        rows = table.get_rows()
        before = rows.__grefcount__
        for _ in range(3):
            table.get_rows()
            T.list_get_size(table.get_rows())
        gc.collect()
        self.assertEqual(rows.__grefcount__, before)
        diff = T.MetaMetaObject.new().diff()
        self.assertEqual(diff.__grefcount__, 1)

    def test_borrowed_boxed_values_read_twice(self):
        value = T.DataValueDateTime.new_utc(2024, 3, 5, 14, 7, 9)
        for _ in range(3):
            self.assertEqual(value.get_itsvalue().format_iso8601(), "2024-03-05T14:07:09Z")
        binary = T.DataValueBinary.new(b"abc")
        for _ in range(3):
            self.assertEqual(binary.get_itsvalue().get_data(), b"abc")
        self.assertEqual(value.format("%Y"), "2024")

    def test_nullable_arguments_and_results(self):
        text = T.DataValueString.new("x")
        text.set_itsvalue(None)
        self.assertIsNone(text.get_itsvalue())
        self.assertIsNone(text.to_string())
        self.assertEqual(T.DataIValue.factory(DT.INT32, None).get_itsvalue(), 0)
        self.assertEqual(T.DataDataType.to_string(DT.INT32), "int32")
        column = T.DataColumnModel.new()
        column.set_title(None)
        self.assertIsNone(column.get_title())
        with self.assertRaises(TypeError):
            T.DataValueString.new(None)


class Subclass(unittest.TestCase):
    def test_python_value_class_overrides_to_string(self):
        class Answer(T.DataValueObject):
            def do_to_string(self):
                return "forty-two"

            def do_get_name(self):
                return "answer"

        answer = Answer()
        self.assertEqual(answer.to_string(), "forty-two")
        self.assertEqual(T.DataIValue.to_string(answer), "forty-two")
        self.assertTrue(answer.dump().endswith(" => forty-two"))
        row = T.DataRowModel.new()
        T.list_append_object(row.get_values(), answer)
        self.assertIs(row.get_value_at(0), answer)
        copy = row.clone()
        self.assertEqual(type(copy.get_value_at(0)), T.DataValueObject)


if __name__ == "__main__":
    unittest.main(verbosity=2)
