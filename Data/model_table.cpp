/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A table of data: column descriptions, rows, the statement the rows came
 * from and the schema and entity it names; and the marker interface that
 * tables share with the other kinds of result.
 *
 * The table is a list model of its rows.  Every change its functions make
 * to the rows goes through insert_row, take_row or clear_rows, which
 * announce it once the rows are in their new state.
 *
 * Like a row's values, the rows stay in an array of the table's own until
 * a caller asks for the list (get_rows, the `rows` property); from then on
 * the list is their storage.  The functions below read and write whichever
 * the table has.
 */

#include "Data/model_row.h"
#include "Data/object_array.h"
#include "include/libmodel.h"
#include "Support/check.h"
#include "Support/gee.h"
#include "Support/gobject.h"
#include "Support/holders.h"
#include "Support/property.h"

/* ---- the result marker ------------------------------------------------- */

G_DEFINE_INTERFACE (TavrelModelDataIResult, tavrel_model_data_iresult, G_TYPE_OBJECT)

static void
tavrel_model_data_iresult_default_init (TavrelModelDataIResultInterface *)
{
}

/* ---- the table --------------------------------------------------------- */

struct TavrelModelDataTableModelPrivate {
  lm::String schema;
  lm::String entity;
  lm::String statements;
  /* Null until a caller asks for the list; then the only storage. */
  lm::Ref<GeeArrayList> rows;
  lm::ObjectArray row_cells;
  lm::Ref<GeeArrayList> columns;

  TavrelModelDataTableModelPrivate () { columns.take (lm::object_list (TAVREL_MODEL_DATA_TYPE_COLUMN_MODEL)); }
};

static void table_list_model_init (GListModelInterface *iface);
static void table_result_init (TavrelModelDataIResultInterface *) {}

G_DEFINE_TYPE_WITH_CODE (TavrelModelDataTableModel, tavrel_model_data_table_model, G_TYPE_OBJECT,
                         G_ADD_PRIVATE (TavrelModelDataTableModel)
                         G_IMPLEMENT_INTERFACE (TAVREL_MODEL_DATA_TYPE_IRESULT, table_result_init)
                         G_IMPLEMENT_INTERFACE (G_TYPE_LIST_MODEL, table_list_model_init))
LM_DEFINE_PRIVATE (TavrelModelDataTableModel, tavrel_model_data_table_model, TavrelModelDataTableModelPrivate)

using P = TavrelModelDataTableModelPrivate;

/* The live list, made on first demand from the rows the table holds. */
static GeeArrayList *
rows_list (TavrelModelDataTableModel *self)
{
  P *p = lm::priv (self);
  if (!p->rows) {
    p->rows.take (lm::object_list (TAVREL_MODEL_DATA_TYPE_ROW_MODEL));
    p->row_cells.move_into (p->rows.get ());
  }
  return p->rows.get ();
}

static constexpr lm::Property table_properties[] = {
    lm::field<&P::entity> ([] { return g_param_spec_string ("entity", nullptr, nullptr, nullptr, lm::RO); }),
    lm::field<&P::schema> ([] { return g_param_spec_string ("schema", nullptr, nullptr, nullptr, lm::RO); }),
    lm::field<&P::statements> (
        [] { return g_param_spec_string ("statements", nullptr, nullptr, nullptr, lm::RO); }),
    lm::computed ([] { return g_param_spec_object ("rows", nullptr, nullptr, GEE_TYPE_ARRAY_LIST, lm::RO); },
                  [] (GObject *object, GValue *value) {
                    g_value_set_object (value, rows_list (TAVREL_MODEL_DATA_TABLE_MODEL (object)));
                  }),
    lm::field<&P::columns> (
        [] { return g_param_spec_object ("columns", nullptr, nullptr, GEE_TYPE_ARRAY_LIST, lm::RO); }),
};

static inline gint
n_rows (TavrelModelDataTableModel *self)
{
  P *p = lm::priv (self);
  return p->rows ? lm::size (p->rows.get ()) : p->row_cells.size ();
}

/* Borrowed, possibly null (callers may put nulls in the list); the caller
 * checks the position. */
static inline TavrelModelDataRowModel *
row_at (TavrelModelDataTableModel *self, gint position)
{
  P *p = lm::priv (self);
  return static_cast<TavrelModelDataRowModel *> (p->rows ? lm::at (p->rows.get (), position)
                                                          : p->row_cells.at (position));
}

/* Position of the first occurrence of the row object, or -1. */
static gint
index_of_row (TavrelModelDataTableModel *self, TavrelModelDataRowModel *row)
{
  P *p = lm::priv (self);
  return p->rows ? lm::index_of_identity (p->rows.get (), row) : p->row_cells.index_of (row);
}

/* The one place that tells list observers about a change of the rows.  The
 * signal is emitted directly: g_list_model_items_changed would check on
 * every row a driver appends that a table is a list model. */
static void
announce (TavrelModelDataTableModel *self, gint position, gint removed, gint added)
{
  static const guint items_changed = g_signal_lookup ("items-changed", G_TYPE_LIST_MODEL);
  g_signal_emit (self, items_changed, 0, guint (position), guint (removed), guint (added));
}

/* The position is within 0 to the number of rows. */
static void
insert_row (TavrelModelDataTableModel *self, gint position, TavrelModelDataRowModel *row)
{
  P *p = lm::priv (self);
  if (p->rows)
    gee_abstract_list_insert (GEE_ABSTRACT_LIST (p->rows.get ()), position, row);
  else
    p->row_cells.insert (position, row);
  announce (self, position, 0, 1);
}

/* Removes the row at a valid position and hands the list's reference to
 * the caller. */
static TavrelModelDataRowModel *
take_row (TavrelModelDataTableModel *self, gint position)
{
  P *p = lm::priv (self);
  auto *row = static_cast<TavrelModelDataRowModel *> (
      p->rows ? gee_abstract_list_remove_at (GEE_ABSTRACT_LIST (p->rows.get ()), position) : p->row_cells.take (position));
  announce (self, position, 1, 0);
  return row;
}

static void
clear_rows (TavrelModelDataTableModel *self, bool with_columns)
{
  P *p = lm::priv (self);
  gint removed = n_rows (self);
  if (p->rows)
    gee_abstract_collection_clear (GEE_ABSTRACT_COLLECTION (p->rows.get ()));
  else
    p->row_cells.clear ();
  if (with_columns)
    gee_abstract_collection_clear (GEE_ABSTRACT_COLLECTION (p->columns.get ()));
  /* Announced even when there was nothing to remove: observers treat it as
   * a reset. */
  announce (self, 0, removed, 0);
}

/*
 * The name after FROM, as far as it is followed by a keyword that may end a
 * table reference, by ";" or ",", or by the end of the text.  The end is
 * \z rather than $: with the multi-line option $ matches at every line end,
 * so an alias on the next line would pass for the end of the statement.
 * The name is possessive: backtracking into it would let a name that ends
 * in a keyword ("sale_order o") match with the keyword cut off its end.
 */
static GRegex *
from_clause ()
{
  static GRegex *const regex = [] {
    g_autoptr (GError) error = nullptr;
    GRegex *compiled = g_regex_new (
        R"re(FROM\s+(?<name>[\w\.`"\[\]]++)\s*(WHERE|LIMIT|GROUP|ORDER|UNION|CROSS|NATURAL|LEFT|RIGHT|FULL|INNER|JOIN|;|,|\z))re",
        GRegexCompileFlags (G_REGEX_CASELESS | G_REGEX_MULTILINE), GRegexMatchFlags (0), &error);
    if (!compiled)
      LM_LOG_UNEXPECTED_ERROR (error);
    return compiled;
  }();
  return regex;
}

/* Schema and entity named by the statement's FROM clause; both stay as they
 * are when the statement names none. */
static void
take_names_from (P *p, const gchar *sql)
{
  g_autoptr (GMatchInfo) match = nullptr;
  g_autoptr (GError) error = nullptr;
  if (!g_regex_match_full (from_clause (), sql, -1, 0, GRegexMatchFlags (0), &match, &error)) {
    /* Only a text that is not UTF-8 gets here with an error. */
    if (error)
      LM_LOG_UNEXPECTED_ERROR (error);
    return;
  }
  g_autofree gchar *name = g_match_info_fetch_named (match, "name");
  if (!name)
    return;

  /* Quoting of any dialect goes; the full stops separate the parts. */
  gchar *out = name;
  for (const gchar *in = name; *in; in++)
    if (*in != '`' && *in != '"' && *in != '[' && *in != ']')
      *out++ = *in;
  *out = '\0';

  g_auto (GStrv) parts = g_strsplit (name, ".", -1);
  switch (g_strv_length (parts)) {
  case 0:
    /* A name of quotes only: nothing to take, and the entity stays a
     * string rather than turning null. */
    break;
  case 2:
    p->schema.set (parts[0]);
    p->entity.set (parts[1]);
    break;
  case 3:
    /* catalogue.schema.entity: the catalogue is not kept. */
    p->schema.set (parts[1]);
    p->entity.set (parts[2]);
    break;
  default:
    p->entity.set (parts[0]);
    break;
  }
}

static void
tavrel_model_data_table_model_class_init (TavrelModelDataTableModelClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_data_table_model_finalize;
  lm::install_properties<table_properties> (G_OBJECT_CLASS (klass));
}

static inline TavrelModelDataTableModel *
as_table (GListModel *model)
{
  return reinterpret_cast<TavrelModelDataTableModel *> (model);
}

/* Items are new references, null at and beyond the end. */
static void
table_list_model_init (GListModelInterface *iface)
{
  iface->get_item_type = [] (GListModel *) { return TAVREL_MODEL_DATA_TYPE_ROW_MODEL; };
  iface->get_n_items = [] (GListModel *model) { return guint (n_rows (as_table (model))); };
  iface->get_item = [] (GListModel *model, guint position) -> gpointer {
    TavrelModelDataTableModel *self = as_table (model);
    if (position >= guint (n_rows (self)))
      return nullptr;
    gpointer row = row_at (self, gint (position));
    return row ? g_object_ref (row) : nullptr;
  };
}

/* Constructors set the state directly and notify nothing. */
static TavrelModelDataTableModel *
table_build (GType object_type)
{
  auto *self = static_cast<TavrelModelDataTableModel *> (g_object_new (object_type, nullptr));
  P *p = lm::priv (self);
  p->schema.set ("");
  p->entity.set ("");
  p->statements.set ("");
  return self;
}

#define CHECK_TYPE() LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_TABLE_MODEL), NULL)

extern "C" TavrelModelDataTableModel *
tavrel_model_data_table_model_new (void) noexcept
{
  return tavrel_model_data_table_model_construct (TAVREL_MODEL_DATA_TYPE_TABLE_MODEL);
}

extern "C" TavrelModelDataTableModel *
tavrel_model_data_table_model_construct (GType object_type) noexcept
{
  CHECK_TYPE ();
  return table_build (object_type);
}

extern "C" TavrelModelDataTableModel *
tavrel_model_data_table_model_new_with_names (const gchar *schema_, const gchar *entity_) noexcept
{
  LM_RETURN_VAL_IF_FAIL (schema_ != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (entity_ != NULL, NULL);
  return tavrel_model_data_table_model_construct_with_names (TAVREL_MODEL_DATA_TYPE_TABLE_MODEL, schema_, entity_);
}

extern "C" TavrelModelDataTableModel *
tavrel_model_data_table_model_construct_with_names (GType object_type, const gchar *schema_,
                                                    const gchar *entity_) noexcept
{
  LM_RETURN_VAL_IF_FAIL (schema_ != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (entity_ != NULL, NULL);
  CHECK_TYPE ();
  TavrelModelDataTableModel *self = table_build (object_type);
  P *p = lm::priv (self);
  p->schema.set (schema_);
  p->entity.set (entity_);
  return self;
}

extern "C" TavrelModelDataTableModel *
tavrel_model_data_table_model_new_with_sql (const gchar *sql) noexcept
{
  LM_RETURN_VAL_IF_FAIL (sql != NULL, NULL);
  return tavrel_model_data_table_model_construct_with_sql (TAVREL_MODEL_DATA_TYPE_TABLE_MODEL, sql);
}

extern "C" TavrelModelDataTableModel *
tavrel_model_data_table_model_construct_with_sql (GType object_type, const gchar *sql) noexcept
{
  LM_RETURN_VAL_IF_FAIL (sql != NULL, NULL);
  CHECK_TYPE ();
  TavrelModelDataTableModel *self = table_build (object_type);
  P *p = lm::priv (self);
  p->statements.set (sql);
  take_names_from (p, sql);
  return self;
}

extern "C" TavrelModelDataTableModel *
tavrel_model_data_table_model_new_with_types (const TavrelModelDataDataType *types, gint n_types) noexcept
{
  LM_RETURN_VAL_IF_FAIL (types != NULL || n_types == 0, NULL);
  LM_RETURN_VAL_IF_FAIL (n_types >= 0, NULL);
  return tavrel_model_data_table_model_construct_with_types (TAVREL_MODEL_DATA_TYPE_TABLE_MODEL, types, n_types);
}

extern "C" TavrelModelDataTableModel *
tavrel_model_data_table_model_construct_with_types (GType object_type, const TavrelModelDataDataType *types,
                                                    gint n_types) noexcept
{
  LM_RETURN_VAL_IF_FAIL (types != NULL || n_types == 0, NULL);
  LM_RETURN_VAL_IF_FAIL (n_types >= 0, NULL);
  CHECK_TYPE ();
  TavrelModelDataTableModel *self = table_build (object_type);
  GeeArrayList *columns = lm::priv (self)->columns.get ();
  for (gint i = 0; i < n_types; i++)
    lm::append_take (columns, tavrel_model_data_column_model_new_with_type (types[i]));
  return self;
}

#undef CHECK_TYPE

#define CHECK_SELF(neutral)                                        \
  LM_RETURN_VAL_IF_FAIL (self != NULL, neutral);                   \
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_TABLE_MODEL (self), neutral)

#define CHECK_ROW(neutral)                                         \
  LM_RETURN_VAL_IF_FAIL (row != NULL, neutral);                    \
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_ROW_MODEL (row), neutral)

extern "C" void
tavrel_model_data_table_model_metadata (TavrelModelDataTableModel *self, const gchar *schema_,
                                        const gchar *entity_) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_TABLE_MODEL (self));
  LM_RETURN_IF_FAIL (schema_ != NULL);
  LM_RETURN_IF_FAIL (entity_ != NULL);
  P *p = lm::priv (self);
  p->entity.set (entity_);
  p->schema.set (schema_);
}

extern "C" TavrelModelDataValueObject *
tavrel_model_data_table_model_get_value_at (TavrelModelDataTableModel *self, gint col, gint row) noexcept
{
  CHECK_SELF (NULL);
  if (row < 0 || row >= n_rows (self))
    return nullptr;
  TavrelModelDataRowModel *entry = row_at (self, row);
  if (!entry)
    return nullptr;
  /* Anything put in through get_rows that is no row is reported as the
   * row's own function reports it. */
  if (G_UNLIKELY (!TAVREL_MODEL_DATA_IS_ROW_MODEL (entry)))
    return tavrel_model_data_row_model_get_value_at (entry, col);
  return lm::row::ref_at (entry, col);
}

extern "C" void
tavrel_model_data_table_model_set_value_at (TavrelModelDataTableModel *self, gint col, gint row,
                                            TavrelModelDataValueObject *value) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_TABLE_MODEL (self));
  LM_RETURN_IF_FAIL (value != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_OBJECT (value));
  LM_RETURN_IF_FAIL_TEXT (0 <= row && row < n_rows (self), "0 <= row && row < m_rows.size");
  TavrelModelDataRowModel *entry = row_at (self, row);
  /* A null entry, put there through get_rows, has no cells at all; nor has
   * anything else that is no row, which the row's function reports. */
  if (entry && G_UNLIKELY (!TAVREL_MODEL_DATA_IS_ROW_MODEL (entry))) {
    tavrel_model_data_row_model_get_values (entry);
    entry = nullptr;
  }
  LM_RETURN_IF_FAIL_TEXT (0 <= col && col < (entry ? lm::row::size (entry) : 0),
                          "0 <= col && col < m_rows[row].values.size");
  lm::row::replace (entry, col, value);
}

/* A null entry, put there through get_columns, describes nothing: its
 * cells are values of unknown kind, so positions stay aligned. */
static inline TavrelModelDataDataType
kind_of (GeeArrayList *columns, gint position)
{
  auto *column = static_cast<TavrelModelDataColumnModel *> (lm::at (columns, position));
  return column ? tavrel_model_data_column_model_get_data_type (column) : TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;
}

extern "C" TavrelModelDataRowModel *
tavrel_model_data_table_model_new_row (TavrelModelDataTableModel *self) noexcept
{
  CHECK_SELF (NULL);
  GeeArrayList *columns = lm::priv (self)->columns.get ();
  gint n = lm::size (columns);
  TavrelModelDataRowModel *row = lm::row::make (TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT, n);
  for (gint i = 0; i < n; i++)
    lm::row::append_take (row, tavrel_model_data_ivalue_factory (kind_of (columns, i), nullptr));
  return row;
}

/*
 * Adds the row at a valid position and returns the row's first position,
 * which is where a caller finds it again (the announcement names where it
 * was really added).  The list holds a reference for every entry, so a row
 * whose only reference is the caller's is in no list yet and its first
 * position is the one it was given: filling a table row by row must not
 * scan all the rows each time.
 */
static gint
add_row (TavrelModelDataTableModel *self, gint position, TavrelModelDataRowModel *row)
{
  bool only_the_callers = G_OBJECT (row)->ref_count == 1;
  insert_row (self, position, row);
  return only_the_callers ? position : index_of_row (self, row);
}

extern "C" gint
tavrel_model_data_table_model_append (TavrelModelDataTableModel *self, TavrelModelDataRowModel *row) noexcept
{
  CHECK_SELF (-1);
  CHECK_ROW (-1);
  return add_row (self, n_rows (self), row);
}

/* A driver's row: one value per column, made by the factory from the
 * cell's text by the column's kind, where a null text is the database
 * NULL.  The row is new, so its position is where it is put. */
extern "C" gint
tavrel_model_data_table_model_append_texts (TavrelModelDataTableModel *self, const gchar *const *texts,
                                            gint n_texts) noexcept
{
  CHECK_SELF (-1);
  LM_RETURN_VAL_IF_FAIL (texts != NULL || n_texts <= 0, -1);
  GeeArrayList *columns = lm::priv (self)->columns.get ();
  gint n = lm::size (columns);
  LM_RETURN_VAL_IF_FAIL_TEXT (n > 0, "m_columns.size > 0", -1);
  LM_RETURN_VAL_IF_FAIL_TEXT (n_texts == n, "n_texts == m_columns.size", -1);
  TavrelModelDataRowModel *row = lm::row::make (TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL, n);
  for (gint i = 0; i < n; i++)
    lm::row::append_take (row, texts[i] ? tavrel_model_data_ivalue_factory (kind_of (columns, i), texts[i])
                                        : reinterpret_cast<TavrelModelDataIValue *> (tavrel_model_data_value_null_new ()));
  gint position = n_rows (self);
  insert_row (self, position, row);
  g_object_unref (row);
  return position;
}

extern "C" gint
tavrel_model_data_table_model_insert (TavrelModelDataTableModel *self, gint position,
                                      TavrelModelDataRowModel *row) noexcept
{
  CHECK_SELF (-1);
  CHECK_ROW (-1);
  gint n = n_rows (self);
  LM_RETURN_VAL_IF_FAIL_TEXT (position <= n, "position <= m_rows.size", -1);
  return add_row (self, position < 0 ? n : position, row);
}

extern "C" void
tavrel_model_data_table_model_delete (TavrelModelDataTableModel *self, TavrelModelDataRowModel *row) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_TABLE_MODEL (self));
  LM_RETURN_IF_FAIL (row != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_ROW_MODEL (row));
  gint position = index_of_row (self, row);
  if (position >= 0)
    g_object_unref (take_row (self, position));
}

extern "C" TavrelModelDataRowModel *
tavrel_model_data_table_model_delete_at (TavrelModelDataTableModel *self, gint position) noexcept
{
  CHECK_SELF (NULL);
  if (position < 0 || position >= n_rows (self))
    return nullptr;
  return take_row (self, position);
}

extern "C" gboolean
tavrel_model_data_table_model_find (TavrelModelDataTableModel *self, TavrelModelDataRowModel *row,
                                    gint *position) noexcept
{
  /* Written first, so that a caller never reads an unset position. */
  if (position)
    *position = 0;
  CHECK_SELF (FALSE);
  CHECK_ROW (FALSE);
  gint found = index_of_row (self, row);
  if (found < 0)
    return FALSE;
  if (position)
    *position = found;
  return TRUE;
}

extern "C" void
tavrel_model_data_table_model_clear (TavrelModelDataTableModel *self, gboolean columns) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_TABLE_MODEL (self));
  clear_rows (self, columns != FALSE);
}

extern "C" void
tavrel_model_data_table_model_update_row_version (TavrelModelDataTableModel *self, gint position,
                                                  TavrelModelTransformDataVersion version) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_TABLE_MODEL (self));
  LM_RETURN_IF_FAIL_TEXT (0 <= position && position < n_rows (self), "position < _tmp2_");
  TavrelModelDataRowModel *row = row_at (self, position);
  if (!row)
    return;
  TavrelModelTransformDataVersion current = tavrel_model_data_row_model_get_version (row);
  switch (version) {
  case TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE:
    /* A row that was never stored has nothing to delete: it goes at once. */
    if (current == TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT)
      g_object_unref (take_row (self, position));
    else
      tavrel_model_data_row_model_set_version (row, TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE);
    break;
  case TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE:
    /* Inserted, deleted and compared rows keep the mark that tells the
     * writer what to do with them. */
    if (current == TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL)
      tavrel_model_data_row_model_set_version (row, TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE);
    break;
  default:
    break;
  }
}

#undef CHECK_ROW
#undef CHECK_SELF

#define SELF tavrel_model_data_table_model, TavrelModelDataTableModel, TAVREL_MODEL_DATA_IS_TABLE_MODEL
LM_GETTER (SELF, entity, const gchar *, NULL)
LM_GETTER (SELF, schema, const gchar *, NULL)
LM_GETTER (SELF, statements, const gchar *, NULL)

extern "C" GeeArrayList *
tavrel_model_data_table_model_get_rows (TavrelModelDataTableModel *self) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_TABLE_MODEL (self), NULL);
  return rows_list (self);
}

LM_GETTER (SELF, columns, GeeArrayList *, NULL)
#undef SELF
