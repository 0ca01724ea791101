// SPDX-License-Identifier: LGPL-2.1-or-later
/*
 * The catalogue: a column made, cloned and written to JSON against a bare
 * object of the same private size; and a catalogue of 2,000 tables written
 * to JSON text and read back against json-glib's own generator and parser
 * on the same text, in time and in peak memory.
 */

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "bench/heap.h"
#include "bench/lmbench.h"
#include "include/libmodel.h"

namespace {

/* The private data of a class and its ancestors lies before the instance;
 * the class's offset is the size of all of it. */
gsize
private_size (GType type)
{
  gpointer klass = g_type_class_ref (type);
  gsize size = gsize (-g_type_class_get_instance_private_offset (klass));
  g_type_class_unref (klass);
  return size;
}

TavrelModelMetaMetaColumn *
typical_column (const char *name)
{
  TavrelModelMetaMetaColumn *column = tavrel_model_meta_meta_column_new_with_type (name, TAVREL_MODEL_DATA_DATA_TYPE_INT64, "bigint");
  tavrel_model_meta_meta_object_set_database (TAVREL_MODEL_META_META_OBJECT (column), "shop");
  tavrel_model_meta_meta_object_set_schema (TAVREL_MODEL_META_META_OBJECT (column), "sales");
  tavrel_model_meta_meta_column_set_ordinal (column, 3);
  tavrel_model_meta_meta_column_set_not_null (column, TRUE);
  tavrel_model_meta_meta_column_set_default_value (column, "0");
  return column;
}

void
add (GeeArrayList *list, gpointer object)
{
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), object);
  g_object_unref (object);
}

/* 1 database, 10 schemas, tables of 20 columns with a primary key, two
 * indexes and a foreign key each. */
TavrelModelMetaMetaDatabase *
catalogue (int n_tables)
{
  TavrelModelMetaMetaDatabase *database = tavrel_model_meta_meta_database_new_with_name ("shop");
  for (int s = 0; s < 10; s++) {
    std::string schema_name = "schema_" + std::to_string (s);
    TavrelModelMetaMetaSchema *schema = tavrel_model_meta_meta_database_append (database, schema_name.c_str ());
    GeeArrayList *tables = tavrel_model_meta_meta_schema_get_tables (schema);
    for (int t = 0; t < n_tables / 10; t++) {
      std::string name = "table_" + std::to_string (t);
      auto *table = tavrel_model_meta_meta_table_new_with_names ("shop", schema_name.c_str (), name.c_str ());
      GeeArrayList *columns = tavrel_model_meta_meta_table_get_columns (table);
      for (int c = 0; c < 20; c++) {
        std::string column_name = "column_" + std::to_string (c);
        auto *column = typical_column (column_name.c_str ());
        tavrel_model_meta_meta_column_set_ordinal (column, guint16 (c + 1));
        add (columns, column);
      }
      auto *key = tavrel_model_meta_meta_primary_key_new_with_names ("shop", schema_name.c_str (), (name + "_pkey").c_str ());
      gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tavrel_model_meta_meta_primary_key_get_columns (key)), "column_0");
      add (tavrel_model_meta_meta_table_get_constraints (table), key);
      auto *foreign = tavrel_model_meta_meta_foreign_key_new_with_refer ("shop", schema_name.c_str (), (name + "_fk").c_str (),
                                                                         schema_name.c_str (), "table_0");
      tavrel_model_meta_meta_foreign_key_set_local_columns (foreign, "column_1");
      tavrel_model_meta_meta_foreign_key_set_refer_columns (foreign, "column_0");
      add (tavrel_model_meta_meta_table_get_constraints (table), foreign);
      for (int i = 0; i < 2; i++) {
        auto *index = tavrel_model_meta_meta_index_new_with_names ("shop", schema_name.c_str (), name.c_str (),
                                                                   (name + "_idx" + std::to_string (i)).c_str ());
        tavrel_model_meta_meta_index_append (index, ("column_" + std::to_string (i + 2)).c_str ());
        add (tavrel_model_meta_meta_table_get_indexes (table), index);
      }
      add (tables, table);
    }
    g_object_unref (schema);
  }
  return database;
}

/* json-glib alone on the same text: parse it into nodes and generate it
 * again. */
void
json_glib_round_trip (const std::string &text)
{
  JsonParser *parser = json_parser_new ();
  json_parser_load_from_data (parser, text.c_str (), gssize (text.size ()), nullptr);
  JsonGenerator *generator = json_generator_new ();
  json_generator_set_root (generator, json_parser_get_root (parser));
  gchar *again = json_generator_to_data (generator, nullptr);
  benchmark::DoNotOptimize (again);
  g_free (again);
  g_object_unref (generator);
  g_object_unref (parser);
}

/* The library's road: the tree written to JSON text and read back. */
void
catalogue_round_trip (TavrelModelMetaMetaDatabase *database)
{
  gchar *text = json_gobject_to_data (G_OBJECT (database), nullptr);
  GObject *back = json_gobject_from_data (TAVREL_MODEL_META_TYPE_META_DATABASE, text, -1, nullptr);
  benchmark::DoNotOptimize (back);
  g_free (text);
  g_object_unref (back);
}

/* The floor's peak for each size, measured first, for the ratio. */
std::map<int, double> floor_peaks;

void
register_round_trip (int n_tables)
{
  std::string size = std::to_string (n_tables) + " tables";
  std::string floor_name = "floor/json-glib parse+generate/" + size;
  benchmark::RegisterBenchmark (floor_name.c_str (), [n_tables] (benchmark::State &state) {
    TavrelModelMetaMetaDatabase *database = catalogue (n_tables);
    gchar *data = json_gobject_to_data (G_OBJECT (database), nullptr);
    std::string text = data;
    g_free (data);
    g_object_unref (database);
    for (auto _ : state)
      json_glib_round_trip (text);
    state.counters["peak_MB"] = floor_peaks[n_tables] =
        lmbench::heap::peak_megabytes ([&] { json_glib_round_trip (text); });
    state.counters["text_MB"] = double (text.size ()) / (1024.0 * 1024.0);
  })->Unit (benchmark::kMillisecond);
  lmbench::compare ("catalogue JSON write+read/" + size, floor_name, [n_tables] (benchmark::State &state) {
    TavrelModelMetaMetaDatabase *database = catalogue (n_tables);
    for (auto _ : state)
      catalogue_round_trip (database);
    double peak = lmbench::heap::peak_megabytes ([&] { catalogue_round_trip (database); });
    state.counters["peak_MB"] = peak;
    if (floor_peaks.count (n_tables))
      state.counters["peak_ratio"] = peak / floor_peaks[n_tables];
    g_object_unref (database);
    state.counters["tree_MB"] = lmbench::heap::peak_megabytes ([&] { g_object_unref (catalogue (n_tables)); });
  })->Unit (benchmark::kMillisecond);
}

}  // namespace

int
main (int argc, char **argv)
{
  std::string floor = lmbench::floor (private_size (TAVREL_MODEL_META_TYPE_META_COLUMN));

  lmbench::compare ("MetaColumn/new+unref", floor, [] (benchmark::State &state) {
    for (auto _ : state) {
      TavrelModelMetaMetaColumn *column = tavrel_model_meta_meta_column_new ();
      benchmark::DoNotOptimize (column);
      g_object_unref (column);
    }
  });
  lmbench::compare ("MetaColumn/new_with_type+unref", floor, [] (benchmark::State &state) {
    for (auto _ : state) {
      TavrelModelMetaMetaColumn *column = tavrel_model_meta_meta_column_new_with_type ("id", TAVREL_MODEL_DATA_DATA_TYPE_INT32, "integer");
      benchmark::DoNotOptimize (column);
      g_object_unref (column);
    }
  });
  lmbench::compare ("MetaColumn/clone+unref", floor, [] (benchmark::State &state) {
    TavrelModelMetaMetaColumn *column = typical_column ("id");
    for (auto _ : state) {
      TavrelModelMetaMetaObject *copy = tavrel_model_meta_meta_object_clone (TAVREL_MODEL_META_META_OBJECT (column));
      benchmark::DoNotOptimize (copy);
      g_object_unref (copy);
    }
    g_object_unref (column);
  });
  lmbench::compare ("MetaColumn/json_gobject_to_data", floor, [] (benchmark::State &state) {
    TavrelModelMetaMetaColumn *column = typical_column ("id");
    for (auto _ : state) {
      gchar *text = json_gobject_to_data (G_OBJECT (column), nullptr);
      benchmark::DoNotOptimize (text);
      g_free (text);
    }
    g_object_unref (column);
  });

  register_round_trip (1000);
  register_round_trip (2000);
  return lmbench::run (argc, argv);
}
