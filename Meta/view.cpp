/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Views and materialized views.  A view's columns are not told but found:
 * every time its definition is set, two patterns pick the select list out
 * of the text and split it into items, and each item becomes a column
 * named by its output name with the item's expression as its type text.
 * It is a heuristic that never fails: a text it cannot read leaves the
 * columns found before.
 */

#include "Meta/object.h"

/* ---- column extraction --------------------------------------------------- */

namespace {

/* The select list, up to the last "from" its characters can reach. */
constexpr const char *select_list_pattern =
    "select\\s+(?<columns>[\\w\\s`'\".,=()\\[\\]\\*]+)\\s+from";

/* One item and the separator after it, in six shapes tried in turn. */
constexpr const char *item_pattern =
    "(?<expr1>[\\w`'\"\\[\\]]+\\.[\\w`'\"\\[\\]]+\\s+as\\s+[\\w`'\"\\[\\]]+)[,\\s]+"
    "|(?<expr2>[\\w`'\"\\[\\]]+\\s+as\\s+[\\w`'\"\\[\\]]+)[,\\s]+"
    "|(?<expr3>[\\w`'\"\\[\\]]+\\.[\\w`'\"\\[\\]]+)[,\\s]+"
    "|(?<expr4>[\\w`'\"\\[\\]]+\\.\\*)[,\\s]+"
    "|(?<expr5>\\*)[,\\s]+"
    "|(?<expr6>[\\w`'\"\\[\\]]+)[,\\s]+";

/* Compiled on first use, once, whichever thread comes first (a C++ static
 * rather than g_once: ThreadSanitizer sees the one, not GLib's). */
GRegex *
compiled (const char *pattern)
{
  return g_regex_new (pattern, GRegexCompileFlags (G_REGEX_CASELESS | G_REGEX_MULTILINE), G_REGEX_MATCH_DEFAULT,
                      nullptr);
}

GRegex *
select_list_regex ()
{
  static GRegex *const regex = compiled (select_list_pattern);
  return regex;
}

GRegex *
item_regex ()
{
  static GRegex *const regex = compiled (item_pattern);
  return regex;
}

/* The text of the one alternative that took part, consulted in this order. */
gchar *
item_text (GMatchInfo *match)
{
  for (const char *group : {"expr3", "expr2", "expr1", "expr6", "expr5", "expr4"}) {
    gchar *text = g_match_info_fetch_named (match, group);
    if (text && *text)
      return text;
    g_free (text);
  }
  return nullptr;
}

/* Quoting is kept in the type text but not in the name. */
void
strip_quotes (GString *name)
{
  for (char quote : {'`', '\'', '"', '[', ']'}) {
    gsize kept = 0;
    for (gsize i = 0; i < name->len; i++)
      if (name->str[i] != quote)
        name->str[kept++] = name->str[i];
    g_string_truncate (name, kept);
  }
}

TavrelModelMetaMetaColumn *
column_of_item (gchar *item)
{
  g_strstrip (item);
  if (!*item)
    return nullptr;
  g_autoptr (GString) name = nullptr;
  g_autofree gchar *raw_type = nullptr;
  /* Only a lower-case " as " with single spaces separates an alias. */
  if (const char *as = strstr (item, " as ")) {
    raw_type = g_strstrip (g_strndup (item, gsize (as - item)));
    name = g_string_new (as + 4);
    g_strstrip (name->str);
    g_string_set_size (name, strlen (name->str));
  } else {
    raw_type = g_strdup (item);
    name = g_string_new (item);
  }
  strip_quotes (name);
  TavrelModelMetaMetaColumn *column = tavrel_model_meta_meta_column_new ();
  tavrel_model_meta_meta_object_set_name (TAVREL_MODEL_META_META_OBJECT (column), name->str);
  tavrel_model_meta_meta_column_set_raw_type (column, raw_type);
  return column;
}

/* Replaces the columns with those the definition yields, or leaves them
 * when it yields none. */
void
extract_columns (const gchar *definition, GeeArrayList *columns)
{
  if (!definition || !columns)
    return;
  g_autoptr (GMatchInfo) list_match = nullptr;
  if (!g_regex_match (select_list_regex (), definition, G_REGEX_MATCH_DEFAULT, &list_match))
    return;
  g_autofree gchar *list = g_match_info_fetch_named (list_match, "columns");
  /* The select list ends before the white space that precedes "from", and
   * every item is matched with the separator after it: a separator of our
   * own lets the last item count too ("select a, b from t" has two). */
  g_autofree gchar *items = g_strconcat (list ? list : "", " ", nullptr);
  g_autoptr (GMatchInfo) match = nullptr;
  if (!g_regex_match (item_regex (), items, G_REGEX_MATCH_DEFAULT, &match))
    return;
  gee_abstract_collection_clear (GEE_ABSTRACT_COLLECTION (columns));
  while (g_match_info_matches (match)) {
    g_autofree gchar *item = item_text (match);
    if (item)
      if (TavrelModelMetaMetaColumn *column = column_of_item (item))
        lm::append_take (columns, column);
    g_autoptr (GError) error = nullptr;
    if (!g_match_info_next (match, &error) && error) {
      g_warning ("view:96: %s", error->message);
      break;
    }
  }
}

}  // namespace

/* ---- MetaView ------------------------------------------------------------ */

struct TavrelModelMetaMetaViewPrivate {
  lm::String definition {""};
  lm::ObjectList<tavrel_model_meta_meta_column_get_type> columns;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaView, tavrel_model_meta_meta_view, TAVREL_MODEL_META_TYPE_META_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaView, tavrel_model_meta_meta_view, TavrelModelMetaMetaViewPrivate)

static GParamSpec *definition_pspec;

/* The one path by which a definition is set, from the setter, the
 * property, JSON and clone alike: the columns follow the text, and the
 * definition is announced on every call. */
static void
view_store_definition (TavrelModelMetaMetaView *self, const gchar *definition)
{
  auto *p = lm::priv (self);
  p->definition.set (definition);
  extract_columns (p->definition.get (), p->columns.get ());
  g_object_notify_by_pspec (G_OBJECT (self), definition_pspec);
}

namespace view {
using P = TavrelModelMetaMetaViewPrivate;

static constexpr lm::Property properties[] = {
    lm::computed ([] { return g_param_spec_string ("definition", nullptr, nullptr, nullptr, lm::RW); },
                  [] (GObject *object, GValue *value) {
                    g_value_set_string (value, lm::priv (TAVREL_MODEL_META_META_VIEW (object))->definition.get ());
                  },
                  [] (GObject *object, const GValue *value) {
                    view_store_definition (TAVREL_MODEL_META_META_VIEW (object), g_value_get_string (value));
                  },
                  &definition_pspec),
    /* Written with the view, never read back: the definition gives them. */
    lm::container<&P::columns> (
        [] { return g_param_spec_object ("columns", nullptr, nullptr, GEE_TYPE_ARRAY_LIST, lm::RO); },
        lm::Notify::EVERY_CALL, lm::objects_of<tavrel_model_meta_meta_column_get_type>),
};
}  // namespace view

static void
tavrel_model_meta_meta_view_class_init (TavrelModelMetaMetaViewClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_view_finalize;
  LM_META_CHARACTER (klass, VIEW);
  lm::install_properties<view::properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_view, TavrelModelMetaMetaView, TAVREL_MODEL_META_TYPE_META_VIEW)
LM_META_NAMED_CONSTRUCTORS (tavrel_model_meta_meta_view, TavrelModelMetaMetaView, TAVREL_MODEL_META_TYPE_META_VIEW)

extern "C" const gchar *
tavrel_model_meta_meta_view_get_definition (TavrelModelMetaMetaView *self) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_META_IS_META_VIEW (self), NULL);
  return lm::priv (self)->definition.get ();
}

extern "C" void
tavrel_model_meta_meta_view_set_definition (TavrelModelMetaMetaView *self, const gchar *value) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_META_IS_META_VIEW (self));
  view_store_definition (self, value);
}

#define SELF tavrel_model_meta_meta_view, TavrelModelMetaMetaView, TAVREL_MODEL_META_IS_META_VIEW
LM_GETTER (SELF, columns, GeeArrayList *, NULL)
#undef SELF

/* ---- Materialized -------------------------------------------------------- */

struct TavrelModelMetaMaterializedPrivate {
  lm::String table_space {""};
  lm::String definer {""};
  lm::String fill_factor {""};
  bool with_data = true;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMaterialized, tavrel_model_meta_materialized, TAVREL_MODEL_META_TYPE_META_VIEW)
LM_DEFINE_PRIVATE (TavrelModelMetaMaterialized, tavrel_model_meta_materialized, TavrelModelMetaMaterializedPrivate)

namespace materialized {
using P = TavrelModelMetaMaterializedPrivate;

static constexpr lm::Property properties[] = {
    LM_META_STRING (table_space, "table-space"),
    LM_META_STRING (definer, "definer"),
    LM_META_STRING (fill_factor, "fill-factor"),
    /* Declared as it starts: json-glib leaves out a value equal to the
     * declared default, so a false default would lose a false on the way
     * through JSON. */
    LM_META_BOOLEAN (with_data, "with-data", TRUE),
};
}  // namespace materialized

/* A materialized view is a view to the catalogue: it keeps the kind. */
static void
tavrel_model_meta_materialized_class_init (TavrelModelMetaMaterializedClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_materialized_finalize;
  lm::install_properties<materialized::properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_materialized, TavrelModelMetaMaterialized, TAVREL_MODEL_META_TYPE_MATERIALIZED)
LM_META_NAMED_CONSTRUCTORS (tavrel_model_meta_materialized, TavrelModelMetaMaterialized, TAVREL_MODEL_META_TYPE_MATERIALIZED)

#define SELF tavrel_model_meta_materialized, TavrelModelMetaMaterialized, TAVREL_MODEL_META_IS_MATERIALIZED
LM_ACCESSORS (SELF, table_space, const gchar *, NULL)
LM_ACCESSORS (SELF, definer, const gchar *, NULL)
LM_ACCESSORS (SELF, fill_factor, const gchar *, NULL)
LM_ACCESSORS (SELF, with_data, gboolean, FALSE)
#undef SELF
