/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * The patcher: a stateless comparer of two objects of one kind.
 *
 * For catalogue objects it writes into the target, path by path, what was
 * deleted, inserted or updated relative to the source, with the source's
 * old text; members of lists are paired by class, schema and name (or the
 * name a renamed member had, its "__name__" attribute).  For rows, tables
 * and data sets it builds a patched copy holding only what changed, each
 * value tagged with its own version.
 *
 * List members are paired through indexes of the target list, so that a
 * comparison is linear in the lengths of the lists while it pairs exactly
 * the members a walk of the lists in order would pair.
 */

#include <deque>
#include <mutex>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Data/model_row.h"
#include "Meta/object.h"
#include "Support/check.h"
#include "Support/gee.h"
#include "Support/gobject.h"
#include "Support/property.h"

G_DEFINE_TYPE (TavrelModelTransformPatcher, tavrel_model_transform_patcher, G_TYPE_OBJECT)

static void
tavrel_model_transform_patcher_class_init (TavrelModelTransformPatcherClass *)
{
}

static void
tavrel_model_transform_patcher_init (TavrelModelTransformPatcher *)
{
}

using Version = TavrelModelTransformDataVersion;
using Meta = TavrelModelMetaMetaObject;

constexpr Version INITIAL = TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL;
constexpr Version IDENTICAL = TAVREL_MODEL_TRANSFORM_DATA_VERSION_IDENTICAL;
constexpr Version DELETE = TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE;
constexpr Version INSERT = TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT;
constexpr Version UPDATE = TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE;

namespace {

/* ---- reading properties ---------------------------------------------------- */

/* A readable property and the row it was installed from (null for a
 * class outside the library). */
struct Readable {
  GParamSpec *pspec;
  const lm::Property *row;
};

/* Readable properties of any class, cached per class like the catalogue's
 * own plan. */
const std::vector<Readable> &
readable_properties (gpointer object)
{
  static GQuark quark = g_quark_from_static_string ("lm-patcher-readable");
  static std::mutex lock;
  GType type = G_OBJECT_TYPE (object);
  if (auto *list = static_cast<const std::vector<Readable> *> (g_type_get_qdata (type, quark)))
    return *list;
  std::unique_lock<std::mutex> guard (lock);
  auto *list = static_cast<std::vector<Readable> *> (g_type_get_qdata (type, quark));
  if (!list) {
    list = new std::vector<Readable> ();
    guint n = 0;
    g_autofree GParamSpec **pspecs = g_object_class_list_properties (G_OBJECT_GET_CLASS (object), &n);
    for (guint i = 0; i < n; i++)
      if (pspecs[i]->flags & G_PARAM_READABLE)
        list->push_back ({pspecs[i], lm::row_of (pspecs[i])});
    g_type_set_qdata (type, quark, list);
  }
  guard.unlock ();
  return *list;
}

/* A property's value as json-glib's serializable accessor reads it (the
 * catalogue reads its own properties through their rows). */
void
read_property (GObject *object, GParamSpec *pspec, GValue *value, const lm::Property *row = nullptr)
{
  g_value_init (value, pspec->value_type);
  if (row && row->get)
    row->get (object, value);
  else if (JSON_IS_SERIALIZABLE (object))
    json_serializable_get_property (JSON_SERIALIZABLE (object), pspec, value);
  else
    g_object_get_property (object, pspec->name, value);
}

/* The container behind a list- or map-valued property, null for an empty
 * one: a container the catalogue has not made yet is empty, and comparing
 * must not make it. */
gpointer
read_container (GObject *object, GParamSpec *pspec)
{
  const lm::Property *row = lm::row_of (pspec);
  if (row && row->peek)
    return row->peek (object);
  g_auto (GValue) value = G_VALUE_INIT;
  read_property (object, pspec, &value);
  return g_value_get_object (&value);
}

/* The source-side text of a changed value, as GLib renders value contents,
 * without one enclosing pair of double quotes. */
gchar *
slice_text (const GValue *value)
{
  gchar *text = g_strdup_value_contents (value);
  gsize length = strlen (text);
  if (length >= 2 && text[0] == '"' && text[length - 1] == '"') {
    memmove (text, text + 1, length - 2);
    text[length - 2] = '\0';
  }
  return text;
}

int
compare_values (GParamSpec *pspec, GObject *a, GObject *b, const lm::Property *row)
{
  if (row && row->compare)
    return row->compare (a, b);
  g_auto (GValue) va = G_VALUE_INIT;
  g_auto (GValue) vb = G_VALUE_INIT;
  read_property (a, pspec, &va, row);
  read_property (b, pspec, &vb, row);
  return g_param_values_cmp (pspec, &va, &vb);
}

int
compare_values (GParamSpec *pspec, GObject *a, GObject *b)
{
  return compare_values (pspec, a, b, lm::row_of (pspec));
}

/* ---- the change record ---------------------------------------------------- */

std::string
path (const char *property, const char *key)
{
  std::string out (property);
  out += '.';
  out += key ? key : "";
  return out;
}

void
record (Meta *target, const std::string &at, Version version)
{
  tavrel_model_meta_meta_object_append_diff (target, at.c_str (), version);
}

/* ---- comparing objects ------------------------------------------------------ */

Version compare_models (Meta *source, Meta *target);

/* Whether two objects differ property by property, at the first
 * difference; nested comparisons of a catalogue take no argument they
 * could refuse: two nulls are alike, a null and an object or objects of
 * two classes differ. */
bool
objects_differ (GObject *source, GObject *target)
{
  if (!source || !target || G_OBJECT_TYPE (source) != G_OBJECT_TYPE (target))
    return source != target;
  for (const Readable &property : readable_properties (source))
    if (compare_values (property.pspec, source, target, property.row) != 0)
      return true;
  return false;
}

const char *
name_of (gpointer object)
{
  return tavrel_model_meta_meta_object_get_name (static_cast<Meta *> (object));
}

const char *
schema_of (gpointer object)
{
  return tavrel_model_meta_meta_object_get_schema (static_cast<Meta *> (object));
}

/* "__name__": the name a member of a target list had in the source. */
constexpr const char *RENAMED = "__name__";

/* The member's old name, or null when it has none. */
gchar *
old_name (Meta *member)
{
  GeeHashMap *attributes = lm::meta::peek_attributes (member);
  if (!attributes || !gee_abstract_map_has_key (GEE_ABSTRACT_MAP (attributes), RENAMED))
    return nullptr;
  auto *text = static_cast<gchar *> (gee_abstract_map_get (GEE_ABSTRACT_MAP (attributes), RENAMED));
  return text ? text : g_strdup ("");
}

/* Members pair by class, schema (null-safe) and a name. */
struct Key {
  GType type;
  bool schema_null;
  std::string schema;
  bool name_null;
  std::string name;

  Key (gpointer member, const char *name_text)
      : type (G_OBJECT_TYPE (member)), schema_null (!schema_of (member)), schema (schema_null ? "" : schema_of (member)),
        name_null (!name_text), name (name_text ? name_text : "")
  {
  }
  bool operator== (const Key &other) const
  {
    return type == other.type && schema_null == other.schema_null && schema == other.schema &&
           name_null == other.name_null && name == other.name;
  }
  /* The class and schema alone. */
  Key family () const
  {
    Key key = *this;
    key.name_null = false;
    key.name.clear ();
    return key;
  }
};

struct KeyHash {
  size_t operator() (const Key &key) const
  {
    size_t h = std::hash<std::string> () (key.name) * 31 + std::hash<std::string> () (key.schema);
    return (h * 31 + key.type) * 4 + key.schema_null * 2 + key.name_null;
  }
};

bool
is_member (gpointer element)
{
  return element && TAVREL_MODEL_META_IS_META_OBJECT (element);
}

/*
 * The target list indexed for pairing: a source member pairs with the
 * first target member of its class and schema whose name, or whose old
 * name ("" when it has none), is the source member's name.  Pairing removes
 * the old name, so the old-name index drops entries lazily: each is looked
 * at until it is found stale, once.
 */
class TargetIndex {
 public:
  explicit TargetIndex (GeeArrayList *members) : members_ (members)
  {
    for (gint j = 0, n = members ? lm::size (members) : 0; j < n; j++) {
      gpointer member = lm::at (members, j);
      if (!is_member (member))
        continue;
      by_name_[Key (member, name_of (member))].push_back (j);
      g_autofree gchar *old = old_name (static_cast<Meta *> (member));
      if (old)
        by_old_name_[Key (member, old)].push_back (j);
      if (!old || !*old)
        unnamed_[Key (member, "").family ()].insert (j);
    }
  }

  /* The position of the member a source member pairs with, or -1. */
  gint pair (gpointer source)
  {
    Key key (source, name_of (source));
    gint best = -1;
    if (auto it = by_name_.find (key); it != by_name_.end ())
      best = it->second.front ();
    if (auto it = by_old_name_.find (key); it != by_old_name_.end ()) {
      std::deque<gint> &positions = it->second;
      while (!positions.empty () && !still_named (positions.front (), key.name))
        positions.pop_front ();
      if (!positions.empty () && (best < 0 || positions.front () < best))
        best = positions.front ();
    }
    /* A member with no old name reads it as "", the name of an unnamed
     * source member. */
    if (!key.name_null && key.name.empty ())
      if (auto it = unnamed_.find (key.family ()); it != unnamed_.end () && !it->second.empty ())
        if (best < 0 || *it->second.begin () < best)
          best = *it->second.begin ();
    return best;
  }

  /* Pairing forgets the member's old name. */
  void forget_old_name (gint position)
  {
    auto *member = static_cast<Meta *> (lm::at (members_, position));
    GeeHashMap *attributes = lm::meta::peek_attributes (member);
    if (!attributes || !gee_abstract_map_has_key (GEE_ABSTRACT_MAP (attributes), RENAMED))
      return;
    gee_abstract_map_unset (GEE_ABSTRACT_MAP (attributes), RENAMED, nullptr);
    unnamed_[Key (member, "").family ()].insert (position);
  }

 private:
  bool still_named (gint position, const std::string &name)
  {
    g_autofree gchar *old = old_name (static_cast<Meta *> (lm::at (members_, position)));
    return old && name == old;
  }

  GeeArrayList *members_;
  std::unordered_map<Key, std::deque<gint>, KeyHash> by_name_;
  std::unordered_map<Key, std::deque<gint>, KeyHash> by_old_name_;
  std::unordered_map<Key, std::set<gint>, KeyHash> unnamed_;
};

/* Lists of catalogue objects: members paired, compared in depth, and the
 * unpaired ones deleted or inserted. */
void
compare_member_lists (Meta *target_owner, const char *property, GeeArrayList *sources, GeeArrayList *targets)
{
  TargetIndex index (targets);
  for (gint i = 0, n = sources ? lm::size (sources) : 0; i < n; i++) {
    gpointer source = lm::at (sources, i);
    if (!is_member (source))
      continue;
    gint j = index.pair (source);
    if (j < 0) {
      record (target_owner, path (property, name_of (source)), DELETE);
      continue;
    }
    index.forget_old_name (j);
    auto *target = static_cast<Meta *> (lm::at (targets, j));
    if (compare_models (static_cast<Meta *> (source), target) == UPDATE)
      record (target_owner, path (property, name_of (target)), UPDATE);
  }

  /* A target member is new when no source member has its name or the name
   * the comparison just recorded as its source name. */
  std::unordered_set<Key, KeyHash> in_source;
  for (gint i = 0, n = sources ? lm::size (sources) : 0; i < n; i++)
    if (is_member (lm::at (sources, i)))
      in_source.insert (Key (lm::at (sources, i), name_of (lm::at (sources, i))));
  for (gint j = 0, n = targets ? lm::size (targets) : 0; j < n; j++) {
    gpointer target = lm::at (targets, j);
    if (!is_member (target))
      continue;
    g_autofree gchar *old = lm::meta::dup_slice (static_cast<Meta *> (target), "name");
    if (!in_source.count (Key (target, name_of (target))) && !in_source.count (Key (target, old ? old : "")))
      record (target_owner, path (property, name_of (target)), INSERT);
  }
}

/* Lists of strings: as sets, without order or duplicates. */
void
compare_string_lists (Meta *target_owner, const char *property, GeeArrayList *sources, GeeArrayList *targets)
{
  auto texts = [] (GeeArrayList *list) {
    std::unordered_set<std::string> out;
    for (gint i = 0, n = list ? lm::size (list) : 0; i < n; i++)
      if (auto *text = static_cast<const char *> (lm::at (list, i)))
        out.insert (text);
    return out;
  };
  std::unordered_set<std::string> in_source = texts (sources), in_target = texts (targets);
  for (gint i = 0, n = sources ? lm::size (sources) : 0; i < n; i++)
    if (auto *text = static_cast<const char *> (lm::at (sources, i)); text && !in_target.count (text))
      record (target_owner, path (property, text), DELETE);
  for (gint j = 0, n = targets ? lm::size (targets) : 0; j < n; j++)
    if (auto *text = static_cast<const char *> (lm::at (targets, j)); text && !in_source.count (text))
      record (target_owner, path (property, text), INSERT);
}

/* String maps: each key deleted, updated (with the source's text) or
 * inserted. */
void
compare_maps (Meta *target_owner, const char *property, GeeMap *sources, GeeMap *targets)
{
  if (sources) {
    GeeMapIterator *it = gee_map_map_iterator (sources);
    while (gee_map_iterator_next (it)) {
      g_autofree gchar *key = static_cast<gchar *> (gee_map_iterator_get_key (it));
      g_autofree gchar *text = static_cast<gchar *> (gee_map_iterator_get_value (it));
      std::string at = path (property, key);
      if (!targets || !gee_map_has_key (targets, key)) {
        record (target_owner, at, DELETE);
      } else {
        g_autofree gchar *other = static_cast<gchar *> (gee_map_get (targets, key));
        if (g_strcmp0 (text, other) == 0)
          continue;
        record (target_owner, at, UPDATE);
      }
      tavrel_model_meta_meta_object_append_slice (target_owner, at.c_str (), text ? text : "");
    }
    g_object_unref (it);
  }
  if (targets) {
    GeeMapIterator *it = gee_map_map_iterator (targets);
    while (gee_map_iterator_next (it)) {
      g_autofree gchar *key = static_cast<gchar *> (gee_map_iterator_get_key (it));
      if (!sources || !gee_map_has_key (sources, key))
        record (target_owner, path (property, key), INSERT);
    }
    g_object_unref (it);
  }
}

GType
element_type (GeeArrayList *sources, GeeArrayList *targets)
{
  GeeArrayList *list = sources ? sources : targets;
  return list ? gee_traversable_get_element_type (GEE_TRAVERSABLE (list)) : G_TYPE_INVALID;
}

/* The comparison of two catalogue objects of one class, recorded in the
 * target; the arguments have been checked. */
Version
compare_models (Meta *source, Meta *target)
{
  tavrel_model_meta_meta_object_clear_diff (target);
  auto *source_object = G_OBJECT (source), *target_object = G_OBJECT (target);
  for (GParamSpec *pspec : lm::meta::plan_of (source).all) {
    if (!(pspec->flags & G_PARAM_READABLE) || strcmp (pspec->name, "version") == 0)
      continue;
    GType type = pspec->value_type;
    if (g_type_is_a (type, GEE_TYPE_HASH_MAP)) {
      auto *from = static_cast<GeeMap *> (read_container (source_object, pspec));
      auto *to = static_cast<GeeMap *> (read_container (target_object, pspec));
      compare_maps (target, pspec->name, from, to);
    } else if (g_type_is_a (type, GEE_TYPE_ARRAY_LIST)) {
      auto *from = static_cast<GeeArrayList *> (read_container (source_object, pspec));
      auto *to = static_cast<GeeArrayList *> (read_container (target_object, pspec));
      GType element = element_type (from, to);
      if (g_type_is_a (element, TAVREL_MODEL_META_TYPE_META_OBJECT))
        compare_member_lists (target, pspec->name, from, to);
      else if (element == G_TYPE_STRING)
        compare_string_lists (target, pspec->name, from, to);
    } else if (g_type_is_a (type, G_TYPE_OBJECT)) {
      g_auto (GValue) from = G_VALUE_INIT;
      g_auto (GValue) to = G_VALUE_INIT;
      read_property (source_object, pspec, &from);
      read_property (target_object, pspec, &to);
      auto *a = G_OBJECT (g_value_get_object (&from)), *b = G_OBJECT (g_value_get_object (&to));
      bool differ = a && b && TAVREL_MODEL_META_IS_META_OBJECT (a) && G_OBJECT_TYPE (a) == G_OBJECT_TYPE (b)
                        ? compare_models (TAVREL_MODEL_META_META_OBJECT (a), TAVREL_MODEL_META_META_OBJECT (b)) == UPDATE
                        : objects_differ (a, b);
      if (differ)
        record (target, pspec->name, UPDATE);
    } else if (compare_values (pspec, source_object, target_object) != 0) {
      g_auto (GValue) from = G_VALUE_INIT;
      read_property (source_object, pspec, &from);
      g_autofree gchar *text = slice_text (&from);
      record (target, pspec->name, UPDATE);
      tavrel_model_meta_meta_object_append_slice (target, pspec->name, text);
    }
  }
  /* What nested members recorded in their own maps does not count. */
  return lm::meta::diff_size (target) ? UPDATE : IDENTICAL;
}

/* ---- comparing data --------------------------------------------------------- */

/* Two cell values of one class hold the same thing when every property
 * does: dates by instant and offset and byte buffers by content, which a
 * generic serialisation cannot write, and a UTF-16 buffer by its text. */
bool
values_identical (TavrelModelDataValueObject *a, TavrelModelDataValueObject *b)
{
  if (G_OBJECT_TYPE (a) != G_OBJECT_TYPE (b))
    return false;
  for (const Readable &property : readable_properties (a)) {
    GParamSpec *pspec = property.pspec;
    GType type = pspec->value_type;
    if (type == G_TYPE_DATE_TIME || type == G_TYPE_BYTES || type == G_TYPE_POINTER) {
      g_auto (GValue) va = G_VALUE_INIT;
      g_auto (GValue) vb = G_VALUE_INIT;
      read_property (G_OBJECT (a), pspec, &va, property.row);
      read_property (G_OBJECT (b), pspec, &vb, property.row);
      gpointer x = type == G_TYPE_POINTER ? g_value_get_pointer (&va) : g_value_get_boxed (&va);
      gpointer y = type == G_TYPE_POINTER ? g_value_get_pointer (&vb) : g_value_get_boxed (&vb);
      if (!x || !y) {
        if (x != y)
          return false;
      } else if (type == G_TYPE_DATE_TIME) {
        auto *dx = static_cast<GDateTime *> (x), *dy = static_cast<GDateTime *> (y);
        if (!g_date_time_equal (dx, dy) || g_date_time_get_utc_offset (dx) != g_date_time_get_utc_offset (dy))
          return false;
      } else if (type == G_TYPE_BYTES) {
        if (!g_bytes_equal (static_cast<GBytes *> (x), static_cast<GBytes *> (y)))
          return false;
      } else {
        g_autofree gchar *tx = tavrel_model_data_value_object_to_string (a);
        g_autofree gchar *ty = tavrel_model_data_value_object_to_string (b);
        if (g_strcmp0 (tx, ty) != 0)
          return false;
      }
    } else if (compare_values (pspec, G_OBJECT (a), G_OBJECT (b), property.row) != 0) {
      return false;
    }
  }
  return true;
}

/* The version of one pair of values; a missing value is refused under the
 * name of the row comparison that met it. */
Version
value_version (TavrelModelDataValueObject *source, TavrelModelDataValueObject *target)
{
  if (!source) {
    lm::fail ("tavrel_model_transform_patcher_diff_data_row", "source != NULL");
    return INITIAL;
  }
  if (!target) {
    lm::fail ("tavrel_model_transform_patcher_diff_data_row", "target != NULL");
    return INITIAL;
  }
  return values_identical (source, target) ? IDENTICAL : UPDATE;
}

gint
value_count (TavrelModelDataRowModel *row)
{
  return lm::row::size (row);
}

bool
rows_identical (TavrelModelDataRowModel *source, TavrelModelDataRowModel *target)
{
  if (tavrel_model_data_row_model_get_version (source) != tavrel_model_data_row_model_get_version (target))
    return false;
  gint n = value_count (source);
  if (n != value_count (target))
    return false;
  for (gint i = 0; i < n; i++) {
    TavrelModelDataValueObject *a = lm::row::at (source, i), *b = lm::row::at (target, i);
    if (!a || !b ? a != b : !values_identical (a, b))
      return false;
  }
  return true;
}

bool
lists_identical (GeeArrayList *a, GeeArrayList *b, bool (*same) (gpointer, gpointer))
{
  gint n = a ? lm::size (a) : 0;
  if (n != (b ? lm::size (b) : 0))
    return false;
  for (gint i = 0; i < n; i++) {
    gpointer x = lm::at (a, i), y = lm::at (b, i);
    if (!x || !y ? x != y : !same (x, y))
      return false;
  }
  return true;
}

/* A table's rows through its list model: asking for the row list would
 * make one where the table keeps its rows otherwise.  The table keeps its
 * reference, so a row may be borrowed. */
gint
row_count (TavrelModelDataTableModel *table)
{
  return gint (g_list_model_get_n_items (G_LIST_MODEL (table)));
}

TavrelModelDataRowModel *
row_at (TavrelModelDataTableModel *table, gint position)
{
  gpointer row = g_list_model_get_item (G_LIST_MODEL (table), guint (position));
  if (row)
    g_object_unref (row);
  return static_cast<TavrelModelDataRowModel *> (row);
}

bool
rows_of_tables_identical (TavrelModelDataTableModel *source, TavrelModelDataTableModel *target)
{
  gint n = row_count (source);
  if (n != row_count (target))
    return false;
  for (gint i = 0; i < n; i++) {
    TavrelModelDataRowModel *a = row_at (source, i), *b = row_at (target, i);
    if (!a || !b ? a != b : !rows_identical (a, b))
      return false;
  }
  return true;
}

bool
tables_identical (TavrelModelDataTableModel *source, TavrelModelDataTableModel *target)
{
  return g_strcmp0 (tavrel_model_data_table_model_get_entity (source), tavrel_model_data_table_model_get_entity (target)) == 0 &&
         g_strcmp0 (tavrel_model_data_table_model_get_schema (source), tavrel_model_data_table_model_get_schema (target)) == 0 &&
         g_strcmp0 (tavrel_model_data_table_model_get_statements (source),
                    tavrel_model_data_table_model_get_statements (target)) == 0 &&
         lists_identical (tavrel_model_data_table_model_get_columns (source),
                          tavrel_model_data_table_model_get_columns (target),
                          [] (gpointer x, gpointer y) { return !objects_differ (G_OBJECT (x), G_OBJECT (y)); }) &&
         rows_of_tables_identical (source, target);
}

/* The changed pairs of a row, its target values tagged; rows are paired
 * by position, and a target that runs short is read only as far as it
 * goes: what it lacks counts as changed. */
TavrelModelDataRowModel *
patched_row (TavrelModelDataRowModel *source, TavrelModelDataRowModel *target)
{
  gint n = MIN (value_count (source), value_count (target));
  TavrelModelDataRowModel *patched = lm::row::make (INITIAL, n);
  for (gint i = 0; i < n; i++) {
    TavrelModelDataValueObject *a = lm::row::at (source, i), *b = lm::row::at (target, i);
    Version version = value_version (a, b);
    if (b)
      g_object_set_data (G_OBJECT (b), "VERSION", GUINT_TO_POINTER (guint (version)));
    lm::row::append_take (patched, b ? g_object_ref (b) : nullptr);
  }
  return patched;
}

TavrelModelDataRowModel *
versioned (TavrelModelDataRowModel *row, Version version)
{
  tavrel_model_data_row_model_set_version (row, version);
  return row;
}

/* A row of the keyed comparison that only one side has: its values shared,
 * tagged when they are the target's. */
TavrelModelDataRowModel *
lone_row (TavrelModelDataRowModel *row, Version version)
{
  gint n = value_count (row);
  TavrelModelDataRowModel *lone = lm::row::make (version, n);
  for (gint i = 0; i < n; i++) {
    TavrelModelDataValueObject *value = lm::row::at (row, i);
    if (value && version == INSERT)
      g_object_set_data (G_OBJECT (value), "VERSION", GUINT_TO_POINTER (guint (version)));
    lm::row::append_take (lone, value ? g_object_ref (value) : nullptr);
  }
  return lone;
}

/* The exact text of a key value.  Rendering is for people: a double shows
 * two decimals and a binary value stops at its first zero byte, so keys
 * that differ could read alike; and the database NULL renders as "". */
std::string
exact_text (TavrelModelDataValueObject *value)
{
  if (tavrel_model_data_value_object_get_is_null (value))
    return "N";
  g_auto (GValue) held = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (value, &held);
  if (G_VALUE_HOLDS_DOUBLE (&held) || G_VALUE_HOLDS_FLOAT (&held)) {
    gchar text[G_ASCII_DTOSTR_BUF_SIZE];
    double number = G_VALUE_HOLDS_DOUBLE (&held) ? g_value_get_double (&held) : g_value_get_float (&held);
    return std::string ("D") + g_ascii_dtostr (text, sizeof text, number);
  }
  if (G_VALUE_HOLDS (&held, G_TYPE_BYTES)) {
    std::string hex = "B";
    if (auto *bytes = static_cast<GBytes *> (g_value_get_boxed (&held))) {
      gsize size = 0;
      auto *data = static_cast<const guint8 *> (g_bytes_get_data (bytes, &size));
      for (gsize i = 0; i < size; i++) {
        hex += "0123456789abcdef"[data[i] >> 4];
        hex += "0123456789abcdef"[data[i] & 15];
      }
    }
    return hex;
  }
  g_autofree gchar *text = tavrel_model_data_value_object_to_string (value);
  return std::string ("S") + (text ? text : "");
}

/* The exact texts of a row's key values, each marked by its length so that
 * no two different sets of texts read alike; a value the row lacks, or a
 * null slot, has a mark of its own. */
std::string
key_of (TavrelModelDataRowModel *row, const gint *keys, gint n_keys)
{
  std::string key;
  for (gint k = 0; k < n_keys; k++) {
    TavrelModelDataValueObject *value = keys[k] < value_count (row) ? lm::row::at (row, keys[k]) : nullptr;
    if (!value) {
      key += '-';
      continue;
    }
    std::string text = exact_text (value);
    key += std::to_string (text.size ());
    key += ':';
    key += text;
  }
  return key;
}

template <class T>
void
hand_over (T **out, T *object)
{
  if (out)
    *out = object;
  else if (object)
    g_object_unref (object);
}

}  // namespace

/* ---- exported functions -------------------------------------------------- */

extern "C" TavrelModelTransformPatcher *
tavrel_model_transform_patcher_new (void) noexcept
{
  return tavrel_model_transform_patcher_construct (TAVREL_MODEL_TRANSFORM_TYPE_PATCHER);
}

extern "C" TavrelModelTransformPatcher *
tavrel_model_transform_patcher_construct (GType object_type) noexcept
{
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_TRANSFORM_TYPE_PATCHER), NULL);
  return static_cast<TavrelModelTransformPatcher *> (g_object_new (object_type, nullptr));
}

#define PATCHER_CHECKED()                            \
  LM_RETURN_VAL_IF_FAIL (self != NULL, INITIAL);     \
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_TRANSFORM_IS_PATCHER (self), INITIAL)

#define OBJECTS_CHECKED(IS)                                                             \
  PATCHER_CHECKED ();                                                                   \
  LM_RETURN_VAL_IF_FAIL (object_source != NULL, INITIAL);                               \
  LM_RETURN_VAL_IF_FAIL (object_target != NULL, INITIAL);                               \
  LM_RETURN_VAL_IF_FAIL_TEXT (IS (object_source), #IS " (object_source)", INITIAL);     \
  LM_RETURN_VAL_IF_FAIL_TEXT (IS (object_target), #IS " (object_target)", INITIAL);     \
  LM_RETURN_VAL_IF_FAIL_TEXT (G_OBJECT_TYPE (object_source) == G_OBJECT_TYPE (object_target), \
                              "object_source.get_type() == object_target.get_type()", INITIAL)

#define DATA_CHECKED(IS)                                                  \
  PATCHER_CHECKED ();                                                     \
  LM_RETURN_VAL_IF_FAIL (source != NULL, INITIAL);                        \
  LM_RETURN_VAL_IF_FAIL (target != NULL, INITIAL);                        \
  LM_RETURN_VAL_IF_FAIL_TEXT (IS (source), #IS " (source)", INITIAL);     \
  LM_RETURN_VAL_IF_FAIL_TEXT (IS (target), #IS " (target)", INITIAL)

extern "C" TavrelModelTransformDataVersion
tavrel_model_transform_patcher_diff_object (TavrelModelTransformPatcher *self, GObject *object_source,
                                            GObject *object_target) noexcept
{
  OBJECTS_CHECKED (G_IS_OBJECT);
  return objects_differ (object_source, object_target) ? UPDATE : IDENTICAL;
}

extern "C" TavrelModelTransformDataVersion
tavrel_model_transform_patcher_diff_model (TavrelModelTransformPatcher *self, TavrelModelMetaMetaObject *object_source,
                                           TavrelModelMetaMetaObject *object_target) noexcept
{
  OBJECTS_CHECKED (TAVREL_MODEL_META_IS_META_OBJECT);
  return compare_models (object_source, object_target);
}

extern "C" TavrelModelTransformDataVersion
tavrel_model_transform_patcher_diff_data_row (TavrelModelTransformPatcher *self, TavrelModelDataRowModel *source,
                                              TavrelModelDataRowModel *target,
                                              TavrelModelDataRowModel **patched) noexcept
{
  DATA_CHECKED (TAVREL_MODEL_DATA_IS_ROW_MODEL);
  if (rows_identical (source, target)) {
    hand_over<TavrelModelDataRowModel> (patched, nullptr);
    return IDENTICAL;
  }
  hand_over (patched, patched_row (source, target));
  return UPDATE;
}

extern "C" TavrelModelTransformDataVersion
tavrel_model_transform_patcher_diff_data_table (TavrelModelTransformPatcher *self, TavrelModelDataTableModel *source,
                                                TavrelModelDataTableModel *target,
                                                TavrelModelDataTableModel **patched) noexcept
{
  DATA_CHECKED (TAVREL_MODEL_DATA_IS_TABLE_MODEL);
  if (tables_identical (source, target)) {
    hand_over<TavrelModelDataTableModel> (patched, nullptr);
    return IDENTICAL;
  }
  TavrelModelDataTableModel *table = tavrel_model_data_table_model_new ();
  GeeArrayList *rows = tavrel_model_data_table_model_get_rows (table);
  for (gint i = 0, n = MIN (row_count (source), row_count (target)); i < n; i++) {
    TavrelModelDataRowModel *a = row_at (source, i), *b = row_at (target, i);
    if (a && b && !rows_identical (a, b))
      lm::append_take (rows, versioned (patched_row (a, b), UPDATE));
  }
  hand_over (patched, table);
  return UPDATE;
}

extern "C" TavrelModelTransformDataVersion
tavrel_model_transform_patcher_diff_data_table_by_key (TavrelModelTransformPatcher *self,
                                                       TavrelModelDataTableModel *source,
                                                       TavrelModelDataTableModel *target, const gint *keys,
                                                       gint n_keys, TavrelModelDataTableModel **patched) noexcept
{
  DATA_CHECKED (TAVREL_MODEL_DATA_IS_TABLE_MODEL);
  LM_RETURN_VAL_IF_FAIL (keys != NULL, INITIAL);
  LM_RETURN_VAL_IF_FAIL (n_keys > 0, INITIAL);
  for (gint k = 0; k < n_keys; k++)
    LM_RETURN_VAL_IF_FAIL_TEXT (keys[k] >= 0, "keys[k] >= 0", INITIAL);

  /* Target rows by key, each key's rows in order. */
  std::unordered_map<std::string, std::deque<gint>> by_key;
  gint n_target = row_count (target);
  for (gint j = 0; j < n_target; j++)
    if (TavrelModelDataRowModel *row = row_at (target, j))
      by_key[key_of (row, keys, n_keys)].push_back (j);

  TavrelModelDataTableModel *table = tavrel_model_data_table_model_new ();
  GeeArrayList *rows = tavrel_model_data_table_model_get_rows (table);
  std::vector<bool> paired (gsize (n_target), false);
  for (gint i = 0, n = row_count (source); i < n; i++) {
    TavrelModelDataRowModel *a = row_at (source, i);
    if (!a)
      continue;
    auto found = by_key.find (key_of (a, keys, n_keys));
    if (found == by_key.end () || found->second.empty ()) {
      lm::append_take (rows, lone_row (a, DELETE));
      continue;
    }
    gint j = found->second.front ();
    found->second.pop_front ();
    paired[gsize (j)] = true;
    TavrelModelDataRowModel *b = row_at (target, j);
    if (!rows_identical (a, b))
      lm::append_take (rows, versioned (patched_row (a, b), UPDATE));
  }
  for (gint j = 0; j < n_target; j++)
    if (TavrelModelDataRowModel *b = row_at (target, j); b && !paired[gsize (j)])
      lm::append_take (rows, lone_row (b, INSERT));

  if (lm::size (rows) == 0) {
    g_object_unref (table);
    hand_over<TavrelModelDataTableModel> (patched, nullptr);
    return IDENTICAL;
  }
  hand_over (patched, table);
  return UPDATE;
}

extern "C" TavrelModelTransformDataVersion
tavrel_model_transform_patcher_diff_data_set (TavrelModelTransformPatcher *self, TavrelModelDataDataSetModel *source,
                                              TavrelModelDataDataSetModel *target,
                                              TavrelModelDataDataSetModel **patched) noexcept
{
  DATA_CHECKED (TAVREL_MODEL_DATA_IS_DATA_SET_MODEL);
  GeeArrayList *from = tavrel_model_data_data_set_model_get_tables (source);
  GeeArrayList *to = tavrel_model_data_data_set_model_get_tables (target);
  if (lists_identical (from, to, [] (gpointer x, gpointer y) {
        return tables_identical (TAVREL_MODEL_DATA_TABLE_MODEL (x), TAVREL_MODEL_DATA_TABLE_MODEL (y));
      })) {
    hand_over<TavrelModelDataDataSetModel> (patched, nullptr);
    return IDENTICAL;
  }
  TavrelModelDataDataSetModel *set = tavrel_model_data_data_set_model_new ();
  GeeArrayList *tables = tavrel_model_data_data_set_model_get_tables (set);
  for (gint i = 0, n = MIN (lm::size (from), lm::size (to)); i < n; i++) {
    TavrelModelDataTableModel *table = nullptr;
    auto *a = static_cast<TavrelModelDataTableModel *> (lm::at (from, i));
    auto *b = static_cast<TavrelModelDataTableModel *> (lm::at (to, i));
    if (a && b && tavrel_model_transform_patcher_diff_data_table (self, a, b, &table) == UPDATE)
      lm::append_take (tables, table);
  }
  hand_over (patched, set);
  return UPDATE;
}

#undef PATCHER_CHECKED
#undef OBJECTS_CHECKED
#undef DATA_CHECKED
