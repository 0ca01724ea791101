/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * What every catalogue object is: the object kinds, the metadata interface
 * and the base object with its identity, attributes, change record, full
 * name, clone, reset and JSON form.
 *
 * Clone, reset and the JSON hooks walk the object's class properties and
 * act on each by its property row, so that every subclass's lists and maps
 * are copied, emptied, written and read the one way, without a per-class
 * copy of those walks.
 */

#include "Meta/object.h"

#include <json-glib/json-glib.h>

#include <mutex>

#include "Support/json.h"

/* ---- object kinds ------------------------------------------------------ */

#define KIND(NAME, nick) {TAVREL_MODEL_META_DB_OBJECT_##NAME, "TAVREL_MODEL_META_DB_OBJECT_" #NAME, nick}

static const GEnumValue db_object_values[] = {
    KIND (UNKNOWN, "unknown"),
    KIND (AGGREGATE, "aggregate"),
    KIND (ASSEMBLY, "assembly"),
    KIND (BACKUP, "backup"),
    KIND (CHECK, "check"),
    KIND (CAST, "cast"),
    KIND (CLASS, "class"),
    KIND (CLASSIFIER, "classifier"),
    KIND (CLUSTER, "cluster"),
    KIND (COLUMN, "column"),
    KIND (CONTRAINT, "contraint"),
    KIND (CONVERSION, "conversion"),
    KIND (DATABASE, "database"),
    KIND (DBLINK, "dblink"),
    KIND (DEVICE, "device"),
    KIND (DIMENSION, "dimension"),
    KIND (DIRECTORY, "directory"),
    KIND (DOMAIN, "domain"),
    KIND (ENDPOINT, "endpoint"),
    KIND (EVENT, "event"),
    KIND (EXCLUDE, "exclude"),
    KIND (EXTERNAL, "external"),
    KIND (FOREIGN, "foreign"),
    KIND (FUNCTION, "function"),
    KIND (INDEX, "index"),
    KIND (JAVA, "java"),
    KIND (JOB, "job"),
    KIND (LANGUAGE, "language"),
    KIND (LOG, "log"),
    KIND (MATERIALIZED, "materialized"),
    KIND (OPERATOR, "operator"),
    KIND (PACKAGE, "package"),
    KIND (PARAMETER, "parameter"),
    KIND (PARTITION, "partition"),
    KIND (PRIMARY, "primary"),
    KIND (PROCEDURE, "procedure"),
    KIND (QUERY, "query"),
    KIND (RECYCLE, "recycle"),
    KIND (REPORT, "report"),
    KIND (ROLE, "role"),
    KIND (ROUTINE, "routine"),
    KIND (RULE, "rule"),
    KIND (SCHEMA, "schema"),
    KIND (SEQUENCE, "sequence"),
    KIND (SERVER, "server"),
    KIND (STATISTICS, "statistics"),
    KIND (SYNONYM, "synonym"),
    KIND (TABLE, "table"),
    KIND (TABLESPACE, "tablespace"),
    KIND (TRIGGER, "trigger"),
    KIND (TYPE, "type"),
    KIND (UNIQUE, "unique"),
    KIND (USER, "user"),
    KIND (VIEW, "view"),
    KIND (WRAPPER, "wrapper"),
    {0, nullptr, nullptr},
};

#undef KIND

static constexpr int db_object_count = G_N_ELEMENTS (db_object_values) - 1;

extern "C" GType
tavrel_model_meta_db_object_get_type (void)
{
  static const GType type =
      g_enum_register_static (g_intern_static_string ("TavrelModelMetaDBObject"), db_object_values);
  return type;
}

/* Borrowed nick, or null for a number that is no member (members run 0 to
 * 54 without gaps, so the table is indexed by number). */
static const gchar *
db_object_nick (TavrelModelMetaDBObject kind)
{
  int number = int (kind);
  return number >= 0 && number < db_object_count ? db_object_values[number].value_nick : nullptr;
}

extern "C" gchar *
tavrel_model_meta_db_object_to_string (TavrelModelMetaDBObject self) noexcept
{
  return g_strdup (db_object_nick (self));
}

/* ---- the metadata interface --------------------------------------------- */

G_DEFINE_INTERFACE (TavrelModelMetaIMetaData, tavrel_model_meta_imeta_data, G_TYPE_OBJECT)

static void
tavrel_model_meta_imeta_data_default_init (TavrelModelMetaIMetaDataInterface *)
{
}

#define IMETA_DATA_CHECKED(neutral)                                                                   \
  LM_RETURN_VAL_IF_FAIL (self != NULL, neutral);                                                      \
  auto *iface = lm::peek_iface<TavrelModelMetaIMetaDataInterface> (self, TAVREL_MODEL_META_TYPE_IMETA_DATA); \
  LM_RETURN_VAL_IF_FAIL_TEXT (iface != nullptr, "TAVREL_MODEL_META_IS_IMETA_DATA (self)", neutral)

extern "C" TavrelModelMetaIMetaData *
tavrel_model_meta_imeta_data_clone (TavrelModelMetaIMetaData *self) noexcept
{
  IMETA_DATA_CHECKED (NULL);
  return iface->clone ? iface->clone (self) : nullptr;
}

extern "C" void
tavrel_model_meta_imeta_data_reset (TavrelModelMetaIMetaData *self) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  auto *iface = lm::peek_iface<TavrelModelMetaIMetaDataInterface> (self, TAVREL_MODEL_META_TYPE_IMETA_DATA);
  LM_RETURN_IF_FAIL_TEXT (iface != nullptr, "TAVREL_MODEL_META_IS_IMETA_DATA (self)");
  if (iface->reset)
    iface->reset (self);
}

#undef IMETA_DATA_CHECKED

/* ---- the base object ---------------------------------------------------- */

namespace {

/* The diff map: path to change kind, stored in the pointer. */
GeeHashMap *
version_map ()
{
  return gee_hash_map_new (G_TYPE_STRING, (GBoxedCopyFunc) g_strdup, g_free,
                           TAVREL_MODEL_TRANSFORM_TYPE_DATA_VERSION, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace

struct TavrelModelMetaMetaObjectPrivate {
  /* The change record is written only by a comparison; most objects never
   * carry one. */
  lm::Lazy<GeeHashMap, version_map> diff;
  lm::StringMap slice;
  lm::String database {""};
  lm::String schema {""};
  lm::String name {""};
  lm::String comment {""};
  lm::StringMap attributes;
};

static void meta_object_imeta_data_init (TavrelModelMetaIMetaDataInterface *iface);
static void meta_object_serializable_init (JsonSerializableIface *iface);

G_DEFINE_TYPE_WITH_CODE (TavrelModelMetaMetaObject, tavrel_model_meta_meta_object, G_TYPE_OBJECT,
                         G_ADD_PRIVATE (TavrelModelMetaMetaObject)
                         G_IMPLEMENT_INTERFACE (TAVREL_MODEL_META_TYPE_IMETA_DATA, meta_object_imeta_data_init)
                         G_IMPLEMENT_INTERFACE (JSON_TYPE_SERIALIZABLE, meta_object_serializable_init))
LM_DEFINE_PRIVATE (TavrelModelMetaMetaObject, tavrel_model_meta_meta_object, TavrelModelMetaMetaObjectPrivate)

using P = TavrelModelMetaMetaObjectPrivate;

static constexpr lm::Property object_properties[] = {
    LM_META_STRING (database, "database"),
    LM_META_STRING (schema, "schema"),
    LM_META_STRING (name, "name"),
    LM_META_STRING (comment, "comment"),
    /* A caller may hand over a map of its own; handing back the map held
     * changes nothing. */
    lm::container<&P::attributes> (
        [] { return g_param_spec_object ("attributes", nullptr, nullptr, GEE_TYPE_HASH_MAP, lm::RW); },
        lm::Notify::SAME_OBJECT, lm::string_pairs),
};

static inline TavrelModelMetaMetaObjectClass *
meta_class (gpointer self)
{
  return TAVREL_MODEL_META_META_OBJECT_GET_CLASS (self);
}

/* ---- walking a class's properties ---------------------------------------- */

namespace lm::meta {

const Plan &
plan_of (gpointer object)
{
  static GQuark quark = g_quark_from_static_string ("lm-meta-plan");
  static std::mutex lock;
  GType type = G_OBJECT_TYPE (object);
  if (auto *plan = static_cast<const Plan *> (g_type_get_qdata (type, quark)))
    return *plan;

  std::unique_lock<std::mutex> guard (lock);
  auto *plan = static_cast<Plan *> (g_type_get_qdata (type, quark));
  if (!plan) {
    /* Lives as long as the class: registered types are never unloaded. */
    plan = new Plan ();
    guint n = 0;
    g_autofree GParamSpec **pspecs = g_object_class_list_properties (G_OBJECT_GET_CLASS (object), &n);
    for (guint i = 0; i < n; i++) {
      GParamSpec *pspec = pspecs[i];
      const Property *row = row_of (pspec);
      plan->all.push_back (pspec);
      if (row && row->container && row->container->reset)
        plan->emptied.push_back (row);
      if ((pspec->flags & G_PARAM_READWRITE) == G_PARAM_READWRITE && !(pspec->flags & G_PARAM_CONSTRUCT_ONLY))
        plan->copied.push_back (pspec);
    }
    g_type_set_qdata (type, quark, plan);
  }
  guard.unlock ();
  return *plan;
}

}  // namespace lm::meta

namespace {

using lm::meta::plan_of;

/* The live container behind a container row, made if need be. */
gpointer
live_container (GObject *object, GParamSpec *pspec, const lm::Property *row)
{
  g_auto (GValue) value = G_VALUE_INIT;
  g_value_init (&value, pspec->value_type);
  row->get (object, &value);
  return g_value_get_object (&value);
}

/* Fills the copy's own container with what the source's holds: clones of
 * catalogue objects, copies of strings and of map entries. */
void
copy_container (GObject *source, GObject *copy, GParamSpec *pspec, const lm::Property *row)
{
  gpointer from = row->peek (source);
  if (!from)
    return;
  gpointer to = live_container (copy, pspec, row);
  if (!to)
    return;
  switch (row->container->holds) {
  case lm::Holds::OBJECTS: {
    auto *list = static_cast<GeeArrayList *> (from);
    for (gint i = 0; i < lm::size (list); i++) {
      gpointer element = lm::at (list, i);
      if (element && TAVREL_MODEL_META_IS_META_OBJECT (element))
        lm::append_take (static_cast<GeeArrayList *> (to),
                         tavrel_model_meta_meta_object_clone (TAVREL_MODEL_META_META_OBJECT (element)));
      else
        lm::append (static_cast<GeeArrayList *> (to), element);
    }
    break;
  }
  case lm::Holds::STRINGS: {
    auto *list = static_cast<GeeArrayList *> (from);
    for (gint i = 0; i < lm::size (list); i++)
      lm::append (static_cast<GeeArrayList *> (to), lm::at (list, i));
    break;
  }
  case lm::Holds::STRING_MAP:
    gee_map_set_all (GEE_MAP (to), GEE_MAP (from));
    break;
  case lm::Holds::MODEL:
    break;
  }
}

void
empty_container (gpointer container)
{
  if (!container)
    return;
  if (GEE_IS_MAP (container))
    gee_map_clear (GEE_MAP (container));
  else if (GEE_IS_COLLECTION (container))
    gee_collection_clear (GEE_COLLECTION (container));
}

}  // namespace

/* ---- class operations ---------------------------------------------------- */

static gchar *
meta_object_real_fullname (TavrelModelMetaMetaObject *self, gboolean with_database, gboolean with_kind)
{
  auto [kind, database, schema, name] = lm::meta::name_parts (self);
  if (!with_kind)
    return with_database ? g_strdup_printf ("%s.%s.%s", database, schema, name)
                         : g_strdup_printf ("%s.%s", schema, name);
  return with_database ? g_strdup_printf ("%s:%s.%s.%s", kind, database, schema, name)
                       : g_strdup_printf ("%s:%s.%s", kind, schema, name);
}

static TavrelModelMetaDBObject
meta_object_real_character (TavrelModelMetaMetaObject *)
{
  return TAVREL_MODEL_META_DB_OBJECT_UNKNOWN;
}

/* A subclass's own lists first, then what every object has. */
static void
meta_object_real_reset (TavrelModelMetaMetaObject *self)
{
  for (const lm::Property *row : plan_of (self).emptied)
    empty_container (row->peek (G_OBJECT (self)));
  P *p = lm::priv (self);
  empty_container (p->diff.peek ());
  empty_container (p->slice.peek ());
  lm::assign<&P::comment> (self, "");
  empty_container (p->attributes.peek ());
  g_object_set_data (G_OBJECT (self), "FILLED", nullptr);
}

/* A new object of the same class, every readable and writable property
 * copied through its setter, each list and map into the copy's own
 * container.  The change record and object data stay behind. */
static TavrelModelMetaMetaObject *
meta_object_real_clone (TavrelModelMetaMetaObject *self)
{
  GObject *source = G_OBJECT (self);
  GObject *copy = G_OBJECT (g_object_new (G_OBJECT_TYPE (self), nullptr));
  for (GParamSpec *pspec : plan_of (self).copied) {
    const lm::Property *row = lm::row_of (pspec);
    if (row && row->container && row->container->holds != lm::Holds::MODEL) {
      copy_container (source, copy, pspec, row);
    } else if (row && row->copy) {
      row->copy (source, copy);
    } else {
      /* A property of a class outside the library. */
      g_auto (GValue) value = G_VALUE_INIT;
      g_value_init (&value, pspec->value_type);
      g_object_get_property (source, pspec->name, &value);
      g_object_set_property (copy, pspec->name, &value);
    }
  }
  return TAVREL_MODEL_META_META_OBJECT (copy);
}

/* Whether json-glib's reading of a number kept it whole.  It casts a JSON
 * integer to the property's width (a scale of 1000 would become 232) and
 * takes any integer for an enumeration; json-glib writes unsigned 64-bit
 * values through a signed integer, so those read back by their bits. */
static bool
holds_as_written (GParamSpec *pspec, GValue *value, JsonNode *node)
{
  if (g_param_value_validate (pspec, value))
    return false;
  if (!JSON_NODE_HOLDS_VALUE (node) || json_node_get_value_type (node) != G_TYPE_INT64)
    return true;
  gint64 n = json_node_get_int (node);
  /* Every bound of every width compares exactly in 128 bits. */
  auto within = [n] (auto lo, auto hi) { return __int128 (n) >= __int128 (lo) && __int128 (n) <= __int128 (hi); };
  if (G_IS_PARAM_SPEC_CHAR (pspec))
    return within (G_PARAM_SPEC_CHAR (pspec)->minimum, G_PARAM_SPEC_CHAR (pspec)->maximum);
  if (G_IS_PARAM_SPEC_UCHAR (pspec))
    return within (G_PARAM_SPEC_UCHAR (pspec)->minimum, G_PARAM_SPEC_UCHAR (pspec)->maximum);
  if (G_IS_PARAM_SPEC_INT (pspec))
    return within (G_PARAM_SPEC_INT (pspec)->minimum, G_PARAM_SPEC_INT (pspec)->maximum);
  if (G_IS_PARAM_SPEC_UINT (pspec))
    return within (G_PARAM_SPEC_UINT (pspec)->minimum, G_PARAM_SPEC_UINT (pspec)->maximum);
  if (G_IS_PARAM_SPEC_LONG (pspec))
    return within (G_PARAM_SPEC_LONG (pspec)->minimum, G_PARAM_SPEC_LONG (pspec)->maximum);
  if (G_IS_PARAM_SPEC_ULONG (pspec))
    return within (G_PARAM_SPEC_ULONG (pspec)->minimum, G_PARAM_SPEC_ULONG (pspec)->maximum);
  return true;
}

static JsonNode *
meta_object_real_serialize_property (TavrelModelMetaMetaObject *self, const gchar *property_name,
                                     const GValue *value, GParamSpec *pspec)
{
  const lm::Property *row = lm::row_of (pspec);
  if (row && row->container) {
    gpointer held = g_value_get_object (value);
    switch (row->container->holds) {
    case lm::Holds::STRING_MAP: return lm::json::from_string_map (held ? GEE_MAP (held) : nullptr);
    case lm::Holds::STRINGS: return lm::json::from_string_list (static_cast<GeeArrayList *> (held));
    case lm::Holds::OBJECTS:
      return lm::json::from_object_list (static_cast<GeeArrayList *> (held), row->container->classed);
    /* A view of other objects, not content of this one. */
    case lm::Holds::MODEL: return nullptr;
    }
  }
  return json_serializable_default_serialize_property (JSON_SERIALIZABLE (self), property_name, value, pspec);
}

static gboolean
meta_object_real_deserialize_property (TavrelModelMetaMetaObject *self, const gchar *property_name, GValue *value,
                                       GParamSpec *pspec, JsonNode *property_node)
{
  const lm::Property *row = lm::row_of (pspec);
  if (row && row->container) {
    const lm::Container &holds = *row->container;
    switch (holds.holds) {
    case lm::Holds::STRING_MAP: g_value_take_object (value, lm::json::to_string_map (property_node)); return TRUE;
    case lm::Holds::STRINGS: g_value_take_object (value, lm::json::to_string_list (property_node)); return TRUE;
    case lm::Holds::OBJECTS:
      if (holds.classed)
        lm::meta::register_types ();
      g_value_take_object (value, lm::json::to_object_list (property_node, holds.element_type (), holds.classed));
      return TRUE;
    case lm::Holds::MODEL:
      /* Never written, so never read: the node keeps what it shows. */
      row->get (G_OBJECT (self), value);
      return TRUE;
    }
  }
  if (json_serializable_default_deserialize_property (JSON_SERIALIZABLE (self), property_name, value, pspec,
                                                      property_node) &&
      holds_as_written (pspec, value, property_node)) {
    lm::json::make_utf8 (value);
    return TRUE;
  }
  /* A member of the wrong JSON type, or a number the property cannot hold,
   * leaves the property as it is: handled, so that json-glib neither warns
   * nor sets what it made of the node. */
  g_value_reset (value);
  if (row)
    row->get (G_OBJECT (self), value);
  else
    g_object_get_property (G_OBJECT (self), pspec->name, value);
  return TRUE;
}

static void
tavrel_model_meta_meta_object_class_init (TavrelModelMetaMetaObjectClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_object_finalize;
  klass->fullname = meta_object_real_fullname;
  klass->character = meta_object_real_character;
  klass->reset = meta_object_real_reset;
  klass->clone = meta_object_real_clone;
  klass->serialize_property = meta_object_real_serialize_property;
  klass->deserialize_property = meta_object_real_deserialize_property;
  lm::install_properties<object_properties> (G_OBJECT_CLASS (klass));
}

static inline TavrelModelMetaMetaObject *
as_object (gpointer self)
{
  return static_cast<TavrelModelMetaMetaObject *> (self);
}

/* Both interface slots are the exported functions of the same name, so a
 * subclass overrides the class operation and both entry points follow. */
static void
meta_object_imeta_data_init (TavrelModelMetaIMetaDataInterface *iface)
{
  iface->clone = [] (TavrelModelMetaIMetaData *self) {
    return reinterpret_cast<TavrelModelMetaIMetaData *> (tavrel_model_meta_meta_object_clone (as_object (self)));
  };
  iface->reset = [] (TavrelModelMetaIMetaData *self) { tavrel_model_meta_meta_object_reset (as_object (self)); };
}

/* json-glib reaches the class's hooks, and reads and writes the library's
 * own properties through their rows rather than through the property
 * system's lookups (what the patcher reads goes the same way); the other
 * serializable operations keep json-glib's defaults. */
static void
meta_object_serializable_init (JsonSerializableIface *iface)
{
  /* GLib walks and sorts the class's property pool on every listing; the
   * catalogue keeps each class's list.  json-glib frees what it is given. */
  iface->list_properties = [] (JsonSerializable *serializable, guint *n) -> GParamSpec ** {
    const std::vector<GParamSpec *> &all = lm::meta::plan_of (serializable).all;
    *n = guint (all.size ());
    return static_cast<GParamSpec **> (g_memdup2 (all.data (), all.size () * sizeof (GParamSpec *)));
  };
  iface->get_property = [] (JsonSerializable *serializable, GParamSpec *pspec, GValue *value) {
    const lm::Property *row = lm::row_of (pspec);
    if (!row || !row->get) {
      g_object_get_property (G_OBJECT (serializable), pspec->name, value);
      return;
    }
    if (!G_IS_VALUE (value))
      g_value_init (value, pspec->value_type);
    row->get (G_OBJECT (serializable), value);
  };
  iface->set_property = [] (JsonSerializable *serializable, GParamSpec *pspec, const GValue *value) {
    const lm::Property *row = lm::row_of (pspec);
    if (row && row->set && G_VALUE_HOLDS (value, pspec->value_type))
      row->set (G_OBJECT (serializable), value);
    else
      g_object_set_property (G_OBJECT (serializable), pspec->name, value);
  };
  iface->serialize_property = [] (JsonSerializable *serializable, const gchar *property_name, const GValue *value,
                                  GParamSpec *pspec) -> JsonNode * {
    auto *self = as_object (serializable);
    if (auto hook = meta_class (self)->serialize_property)
      return hook (self, property_name, value, pspec);
    return json_serializable_default_serialize_property (serializable, property_name, value, pspec);
  };
  iface->deserialize_property = [] (JsonSerializable *serializable, const gchar *property_name, GValue *value,
                                    GParamSpec *pspec, JsonNode *property_node) -> gboolean {
    auto *self = as_object (serializable);
    if (auto hook = meta_class (self)->deserialize_property)
      return hook (self, property_name, value, pspec, property_node);
    return json_serializable_default_deserialize_property (serializable, property_name, value, pspec,
                                                           property_node);
  };
}

namespace lm::meta {

GeeHashMap *
peek_attributes (TavrelModelMetaMetaObject *self)
{
  return lm::priv (self)->attributes.peek ();
}

gint
diff_size (TavrelModelMetaMetaObject *self)
{
  GeeHashMap *diff = lm::priv (self)->diff.peek ();
  return diff ? gee_abstract_map_get_size (GEE_ABSTRACT_MAP (diff)) : 0;
}

gchar *
dup_slice (TavrelModelMetaMetaObject *self, const gchar *key)
{
  GeeHashMap *slice = lm::priv (self)->slice.peek ();
  return slice ? static_cast<gchar *> (gee_abstract_map_get (GEE_ABSTRACT_MAP (slice), key)) : nullptr;
}

NameParts
name_parts (TavrelModelMetaMetaObject *self)
{
  P *p = lm::priv (self);
  auto text = [] (const String &part) { return part.get () ? part.get () : ""; };
  /* A kind outside the enumeration (a node made for any number) has no
   * nick: its prefix stays empty. */
  const gchar *kind = db_object_nick (tavrel_model_meta_meta_object_character (self));
  return {kind ? kind : "", text (p->database), text (p->schema), text (p->name)};
}

void
set_names (gpointer self, const gchar *database, const gchar *schema, const gchar *name)
{
  assign<&P::name> (self, name);
  assign<&P::schema> (self, schema);
  assign<&P::database> (self, database);
}

}  // namespace lm::meta

/* ---- exported functions -------------------------------------------------- */

extern "C" TavrelModelMetaMetaObject *
tavrel_model_meta_meta_object_new (void) noexcept
{
  return tavrel_model_meta_meta_object_construct (TAVREL_MODEL_META_TYPE_META_OBJECT);
}

extern "C" TavrelModelMetaMetaObject *
tavrel_model_meta_meta_object_construct (GType object_type) noexcept
{
  LM_META_CHECK_TYPE (TAVREL_MODEL_META_TYPE_META_OBJECT);
  return lm::meta::instantiate<TavrelModelMetaMetaObject> (object_type);
}

#define SELF tavrel_model_meta_meta_object, TavrelModelMetaMetaObject, TAVREL_MODEL_META_IS_META_OBJECT
LM_ACCESSORS (SELF, database, const gchar *, NULL)
LM_ACCESSORS (SELF, schema, const gchar *, NULL)
LM_ACCESSORS (SELF, name, const gchar *, NULL)
LM_ACCESSORS (SELF, comment, const gchar *, NULL)
LM_ACCESSORS (SELF, attributes, GeeHashMap *, NULL)
#undef SELF

#define OBJECT_CHECKED(neutral)                    \
  LM_RETURN_VAL_IF_FAIL (self != NULL, neutral);   \
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_META_IS_META_OBJECT (self), neutral)

#define OBJECT_CHECKED_VOID()           \
  LM_RETURN_IF_FAIL (self != NULL);     \
  LM_RETURN_IF_FAIL (TAVREL_MODEL_META_IS_META_OBJECT (self))

extern "C" gchar *
tavrel_model_meta_meta_object_fullname (TavrelModelMetaMetaObject *self, gboolean with_database,
                                        gboolean with_kind) noexcept
{
  OBJECT_CHECKED (NULL);
  auto hook = meta_class (self)->fullname;
  return hook ? hook (self, with_database, with_kind) : nullptr;
}

extern "C" TavrelModelMetaDBObject
tavrel_model_meta_meta_object_character (TavrelModelMetaMetaObject *self) noexcept
{
  OBJECT_CHECKED (TAVREL_MODEL_META_DB_OBJECT_UNKNOWN);
  auto hook = meta_class (self)->character;
  return hook ? hook (self) : TAVREL_MODEL_META_DB_OBJECT_UNKNOWN;
}

extern "C" void
tavrel_model_meta_meta_object_reset (TavrelModelMetaMetaObject *self) noexcept
{
  OBJECT_CHECKED_VOID ();
  if (auto hook = meta_class (self)->reset)
    hook (self);
}

extern "C" TavrelModelMetaMetaObject *
tavrel_model_meta_meta_object_clone (TavrelModelMetaMetaObject *self) noexcept
{
  OBJECT_CHECKED (NULL);
  auto hook = meta_class (self)->clone;
  return hook ? hook (self) : nullptr;
}

extern "C" JsonNode *
tavrel_model_meta_meta_object_serialize_property (TavrelModelMetaMetaObject *self, const gchar *property_name,
                                                  const GValue *value, GParamSpec *pspec) noexcept
{
  OBJECT_CHECKED (NULL);
  LM_RETURN_VAL_IF_FAIL (property_name != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (value != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (pspec != NULL, NULL);
  auto hook = meta_class (self)->serialize_property;
  return hook ? hook (self, property_name, value, pspec) : nullptr;
}

extern "C" gboolean
tavrel_model_meta_meta_object_deserialize_property (TavrelModelMetaMetaObject *self, const gchar *property_name,
                                                    GValue *value, GParamSpec *pspec,
                                                    JsonNode *property_node) noexcept
{
  OBJECT_CHECKED (FALSE);
  LM_RETURN_VAL_IF_FAIL (property_name != NULL, FALSE);
  LM_RETURN_VAL_IF_FAIL (value != NULL, FALSE);
  LM_RETURN_VAL_IF_FAIL (pspec != NULL, FALSE);
  LM_RETURN_VAL_IF_FAIL (property_node != NULL, FALSE);
  auto hook = meta_class (self)->deserialize_property;
  return hook ? hook (self, property_name, value, pspec, property_node) : FALSE;
}

extern "C" GeeHashMap *
tavrel_model_meta_meta_object_diff (TavrelModelMetaMetaObject *self) noexcept
{
  OBJECT_CHECKED (NULL);
  return GEE_HASH_MAP (g_object_ref (lm::priv (self)->diff.get ()));
}

extern "C" GeeHashMap *
tavrel_model_meta_meta_object_slice (TavrelModelMetaMetaObject *self) noexcept
{
  OBJECT_CHECKED (NULL);
  return GEE_HASH_MAP (g_object_ref (lm::priv (self)->slice.get ()));
}

extern "C" void
tavrel_model_meta_meta_object_append_diff (TavrelModelMetaMetaObject *self, const gchar *key,
                                           TavrelModelTransformDataVersion value) noexcept
{
  OBJECT_CHECKED_VOID ();
  LM_RETURN_IF_FAIL (key != NULL);
  gee_abstract_map_set (GEE_ABSTRACT_MAP (lm::priv (self)->diff.get ()), key, GUINT_TO_POINTER (guint (value)));
}

extern "C" void
tavrel_model_meta_meta_object_append_slice (TavrelModelMetaMetaObject *self, const gchar *key,
                                            const gchar *value) noexcept
{
  OBJECT_CHECKED_VOID ();
  LM_RETURN_IF_FAIL (key != NULL);
  LM_RETURN_IF_FAIL (value != NULL);
  gee_abstract_map_set (GEE_ABSTRACT_MAP (lm::priv (self)->slice.get ()), key, value);
}

extern "C" void
tavrel_model_meta_meta_object_clear_diff (TavrelModelMetaMetaObject *self) noexcept
{
  OBJECT_CHECKED_VOID ();
  empty_container (lm::priv (self)->diff.peek ());
}

extern "C" void
tavrel_model_meta_meta_object_clear_slice (TavrelModelMetaMetaObject *self) noexcept
{
  OBJECT_CHECKED_VOID ();
  empty_container (lm::priv (self)->slice.peek ());
}

#undef OBJECT_CHECKED
#undef OBJECT_CHECKED_VOID
