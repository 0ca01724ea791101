// SPDX-License-Identifier: LGPL-2.1-or-later
// The typical road of data through the library, written in Vala against the
// generated binding: exit status 0 when every check held.

int failures = 0;

void check (bool condition, string what) {
    if (!condition) {
        stderr.printf ("check failed: %s\n", what);
        failures++;
    }
}

int main () {
    var table = new TavrelModel.DataTableModel.with_sql ("SELECT id, name FROM shop.sale WHERE id > 0;");
    check (table.get_schema () == "shop" && table.get_entity () == "sale", "entity and schema from the statement");
    table.get_columns ().add (new TavrelModel.DataColumnModel.full ("id", TavrelModel.DataDataType.INT32));
    table.get_columns ().add (new TavrelModel.DataColumnModel.full ("name", TavrelModel.DataDataType.STRING));

    uint announced = 0;
    table.items_changed.connect ((position, removed, added) => { announced += added; });
    string[] texts = { "1", "tea" };
    check (table.append_texts (texts) == 0, "cell texts appended");
    var row = new TavrelModel.DataRowModel ();
    row.get_values ().add ((TavrelModel.DataValueObject) TavrelModel.DataIValue.factory (TavrelModel.DataDataType.INT32, "2"));
    row.get_values ().add ((TavrelModel.DataValueObject) TavrelModel.DataIValue.factory (TavrelModel.DataDataType.STRING, "(Null)"));
    check (table.append (row) == 1, "row appended");
    check (announced == 2 && table.get_n_items () == 2, "both rows announced");
    check (table.get_value_at (1, 1).get_is_null (), "(Null) is the database NULL");

    var edited = new TavrelModel.DataTableModel.with_sql (table.get_statements ());
    foreach (var column in table.get_columns ())
        edited.get_columns ().add (new TavrelModel.DataColumnModel.full (column.get_name (), column.get_data_type ()));
    edited.append_texts (texts);
    edited.append_texts ({ "2", "cake" });
    TavrelModel.DataTableModel? patched;
    var version = new TavrelModel.TransformPatcher ().diff_data_table (table, edited, out patched);
    check (version == TavrelModel.TransformDataVersion.UPDATE, "the edit is found");
    check (patched != null && patched.get_n_items () == 1, "the patched table holds the changed row");

    var db = new TavrelModel.MetaMetaDatabase.with_name ("shop");
    var schema = db.append ("public");
    var sale = new TavrelModel.MetaMetaTable.with_names ("shop", "public", "sale");
    schema.get_tables ().add (sale);
    sale.new_column ("id", TavrelModel.DataDataType.INT32);
    sale.get_attributes ().set ("engine", "heap");
    var copy = (TavrelModel.MetaMetaDatabase) db.clone ();
    copy.get_schemas ()[0].get_tables ()[0].set_comment ("sales");
    new TavrelModel.TransformPatcher ().diff_model (db, copy);
    var record = copy.get_schemas ()[0].get_tables ()[0].diff ();
    check (record.has_key ("comment") && record["comment"] == TavrelModel.TransformDataVersion.UPDATE, "the comment's change recorded");
    check (sale.get_attributes ()["engine"] == "heap", "attributes read through libgee");

    var server = new TavrelModel.SettingServer.with_provider ("pg");
    server.set_databases ({ "main", "archive" });
    check (server.get_databases ().length == 2, "databases as an array");
    return failures == 0 ? 0 : 1;
}
