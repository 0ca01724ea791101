/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * libmodel: the catalogue metadata model.
 *
 * Databases, schemas, tables, columns, indexes, constraints, views,
 * routines, triggers, rules, events, synonyms, roles, users and the
 * classification nodes that group them.  Every class derives from
 * MetaObject and is written to JSON and read back with json-glib's object
 * functions (json_gobject_to_data, json_gobject_serialize,
 * json_gobject_deserialize).
 *
 * Included by libmodel.h; not to be included on its own.
 */
#ifndef TAVREL_MODEL_META_H
#define TAVREL_MODEL_META_H

#ifndef TAVREL_MODEL_H
#error "include <libmodel.h>, not <libmodel-meta.h>"
#endif

G_BEGIN_DECLS

/* ======================================================================
 * Object kinds, the metadata interface and the base object (Meta/object)
 * ====================================================================== */

typedef enum TAVREL_MODEL_ENUM {
  TAVREL_MODEL_META_DB_OBJECT_UNKNOWN = 0,
  TAVREL_MODEL_META_DB_OBJECT_AGGREGATE = 1,
  TAVREL_MODEL_META_DB_OBJECT_ASSEMBLY = 2,
  TAVREL_MODEL_META_DB_OBJECT_BACKUP = 3,
  TAVREL_MODEL_META_DB_OBJECT_CHECK = 4,
  TAVREL_MODEL_META_DB_OBJECT_CAST = 5,
  TAVREL_MODEL_META_DB_OBJECT_CLASS = 6,
  TAVREL_MODEL_META_DB_OBJECT_CLASSIFIER = 7,
  TAVREL_MODEL_META_DB_OBJECT_CLUSTER = 8,
  TAVREL_MODEL_META_DB_OBJECT_COLUMN = 9,
  TAVREL_MODEL_META_DB_OBJECT_CONTRAINT = 10,
  TAVREL_MODEL_META_DB_OBJECT_CONVERSION = 11,
  TAVREL_MODEL_META_DB_OBJECT_DATABASE = 12,
  TAVREL_MODEL_META_DB_OBJECT_DBLINK = 13,
  TAVREL_MODEL_META_DB_OBJECT_DEVICE = 14,
  TAVREL_MODEL_META_DB_OBJECT_DIMENSION = 15,
  TAVREL_MODEL_META_DB_OBJECT_DIRECTORY = 16,
  TAVREL_MODEL_META_DB_OBJECT_DOMAIN = 17,
  TAVREL_MODEL_META_DB_OBJECT_ENDPOINT = 18,
  TAVREL_MODEL_META_DB_OBJECT_EVENT = 19,
  TAVREL_MODEL_META_DB_OBJECT_EXCLUDE = 20,
  TAVREL_MODEL_META_DB_OBJECT_EXTERNAL = 21,
  TAVREL_MODEL_META_DB_OBJECT_FOREIGN = 22,
  TAVREL_MODEL_META_DB_OBJECT_FUNCTION = 23,
  TAVREL_MODEL_META_DB_OBJECT_INDEX = 24,
  TAVREL_MODEL_META_DB_OBJECT_JAVA = 25,
  TAVREL_MODEL_META_DB_OBJECT_JOB = 26,
  TAVREL_MODEL_META_DB_OBJECT_LANGUAGE = 27,
  TAVREL_MODEL_META_DB_OBJECT_LOG = 28,
  TAVREL_MODEL_META_DB_OBJECT_MATERIALIZED = 29,
  TAVREL_MODEL_META_DB_OBJECT_OPERATOR = 30,
  TAVREL_MODEL_META_DB_OBJECT_PACKAGE = 31,
  TAVREL_MODEL_META_DB_OBJECT_PARAMETER = 32,
  TAVREL_MODEL_META_DB_OBJECT_PARTITION = 33,
  TAVREL_MODEL_META_DB_OBJECT_PRIMARY = 34,
  TAVREL_MODEL_META_DB_OBJECT_PROCEDURE = 35,
  TAVREL_MODEL_META_DB_OBJECT_QUERY = 36,
  TAVREL_MODEL_META_DB_OBJECT_RECYCLE = 37,
  TAVREL_MODEL_META_DB_OBJECT_REPORT = 38,
  TAVREL_MODEL_META_DB_OBJECT_ROLE = 39,
  TAVREL_MODEL_META_DB_OBJECT_ROUTINE = 40,
  TAVREL_MODEL_META_DB_OBJECT_RULE = 41,
  TAVREL_MODEL_META_DB_OBJECT_SCHEMA = 42,
  TAVREL_MODEL_META_DB_OBJECT_SEQUENCE = 43,
  TAVREL_MODEL_META_DB_OBJECT_SERVER = 44,
  TAVREL_MODEL_META_DB_OBJECT_STATISTICS = 45,
  TAVREL_MODEL_META_DB_OBJECT_SYNONYM = 46,
  TAVREL_MODEL_META_DB_OBJECT_TABLE = 47,
  TAVREL_MODEL_META_DB_OBJECT_TABLESPACE = 48,
  TAVREL_MODEL_META_DB_OBJECT_TRIGGER = 49,
  TAVREL_MODEL_META_DB_OBJECT_TYPE = 50,
  TAVREL_MODEL_META_DB_OBJECT_UNIQUE = 51,
  TAVREL_MODEL_META_DB_OBJECT_USER = 52,
  TAVREL_MODEL_META_DB_OBJECT_VIEW = 53,
  TAVREL_MODEL_META_DB_OBJECT_WRAPPER = 54
} TavrelModelMetaDBObject;

#define TAVREL_MODEL_META_TYPE_DB_OBJECT (tavrel_model_meta_db_object_get_type ())
TAVREL_MODEL_API GType tavrel_model_meta_db_object_get_type (void) G_GNUC_CONST;
/* The member's nick, or NULL for a number that is no member. */
TAVREL_MODEL_API gchar *tavrel_model_meta_db_object_to_string (TavrelModelMetaDBObject self) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_META_TYPE_IMETA_DATA (tavrel_model_meta_imeta_data_get_type ())
TAVREL_MODEL_DECLARE_INTERFACE (TavrelModelMetaIMetaData, tavrel_model_meta_imeta_data, TAVREL_MODEL_META, IMETA_DATA, GObject)

struct _TavrelModelMetaIMetaDataInterface {
  GTypeInterface parent_iface;
  TavrelModelMetaIMetaData *(*clone) (TavrelModelMetaIMetaData *self);
  void (*reset) (TavrelModelMetaIMetaData *self);
};

TAVREL_MODEL_API TavrelModelMetaIMetaData *tavrel_model_meta_imeta_data_clone (TavrelModelMetaIMetaData *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_imeta_data_reset (TavrelModelMetaIMetaData *self) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_META_TYPE_META_OBJECT (tavrel_model_meta_meta_object_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaObject, tavrel_model_meta_meta_object, TAVREL_MODEL_META, META_OBJECT, GObject)

/* The overridable operations, in their fixed slot order.  The JSON hooks
 * shape one property each: serialize_property returns a new node, or NULL
 * to leave the member out; deserialize_property fills value (initialised to
 * the property's type) and tells whether it handled the node. */
struct _TavrelModelMetaMetaObjectClass {
  GObjectClass parent_class;
  gchar *(*fullname) (TavrelModelMetaMetaObject *self, gboolean with_database, gboolean with_kind);
  TavrelModelMetaDBObject (*character) (TavrelModelMetaMetaObject *self);
  void (*reset) (TavrelModelMetaMetaObject *self);
  TavrelModelMetaMetaObject *(*clone) (TavrelModelMetaMetaObject *self);
  JsonNode *(*serialize_property) (TavrelModelMetaMetaObject *self, const gchar *property_name, const GValue *value, GParamSpec *pspec);
  gboolean (*deserialize_property) (TavrelModelMetaMetaObject *self, const gchar *property_name, GValue *value, GParamSpec *pspec, JsonNode *property_node);
};

TAVREL_MODEL_API TavrelModelMetaMetaObject *tavrel_model_meta_meta_object_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaObject *tavrel_model_meta_meta_object_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_object_get_database (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_object_set_database (TavrelModelMetaMetaObject *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_object_get_schema (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_object_set_schema (TavrelModelMetaMetaObject *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_object_get_name (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_object_set_name (TavrelModelMetaMetaObject *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_object_get_comment (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_object_set_comment (TavrelModelMetaMetaObject *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
/* The live string-to-string map, borrowed. */
TAVREL_MODEL_API GeeHashMap *tavrel_model_meta_meta_object_get_attributes (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_object_set_attributes (TavrelModelMetaMetaObject *self, GeeHashMap *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gchar *tavrel_model_meta_meta_object_fullname (TavrelModelMetaMetaObject *self, gboolean with_database, gboolean with_kind) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaDBObject tavrel_model_meta_meta_object_character (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_object_reset (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaObject *tavrel_model_meta_meta_object_clone (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API JsonNode *tavrel_model_meta_meta_object_serialize_property (TavrelModelMetaMetaObject *self, const gchar *property_name, const GValue *value, GParamSpec *pspec) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_object_deserialize_property (TavrelModelMetaMetaObject *self, const gchar *property_name, GValue *value, GParamSpec *pspec, JsonNode *property_node) TAVREL_MODEL_NOEXCEPT;
/* The change record: new references to the live maps (path to change kind,
 * path to the source-side text). */
TAVREL_MODEL_API GeeHashMap *tavrel_model_meta_meta_object_diff (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeHashMap *tavrel_model_meta_meta_object_slice (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_object_append_diff (TavrelModelMetaMetaObject *self, const gchar *key, TavrelModelTransformDataVersion value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_object_append_slice (TavrelModelMetaMetaObject *self, const gchar *key, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_object_clear_diff (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_object_clear_slice (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Column metadata (Meta/column)
 * ====================================================================== */

#define TAVREL_MODEL_META_TYPE_META_COLUMN (tavrel_model_meta_meta_column_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaColumn, tavrel_model_meta_meta_column, TAVREL_MODEL_META, META_COLUMN, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaColumnClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaColumn *tavrel_model_meta_meta_column_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaColumn *tavrel_model_meta_meta_column_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaColumn *tavrel_model_meta_meta_column_new_with_type (const gchar *name, TavrelModelDataDataType data_type, const gchar *native_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaColumn *tavrel_model_meta_meta_column_construct_with_type (GType object_type, const gchar *name, TavrelModelDataDataType data_type, const gchar *native_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint16 tavrel_model_meta_meta_column_get_ordinal (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_ordinal (TavrelModelMetaMetaColumn *self, guint16 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_alias (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_alias (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_after (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_after (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_raw_type (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_raw_type (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataDataType tavrel_model_meta_meta_column_get_data_type (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_data_type (TavrelModelMetaMetaColumn *self, TavrelModelDataDataType value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint64 tavrel_model_meta_meta_column_get_length (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_length (TavrelModelMetaMetaColumn *self, gint64 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint8 tavrel_model_meta_meta_column_get_scale (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_scale (TavrelModelMetaMetaColumn *self, guint8 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint8 tavrel_model_meta_meta_column_get_dimension (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_dimension (TavrelModelMetaMetaColumn *self, guint8 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_unsigned (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_unsigned (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_auto_increment (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_auto_increment (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint64 tavrel_model_meta_meta_column_get_auto_increment_seed (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_auto_increment_seed (TavrelModelMetaMetaColumn *self, guint64 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_identity (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_identity (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_default_value (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_default_value (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_virtual_type (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_virtual_type (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_expression (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_expression (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_not_null (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_not_null (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_selected (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_selected (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_virtual (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_virtual (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_user_defined (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_user_defined (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_primary_key (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_primary_key (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint8 tavrel_model_meta_meta_column_get_primary_ordinal (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_primary_ordinal (TavrelModelMetaMetaColumn *self, guint8 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint64 tavrel_model_meta_meta_column_get_primary_length (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_primary_length (TavrelModelMetaMetaColumn *self, guint64 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint8 tavrel_model_meta_meta_column_get_primary_order (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_primary_order (TavrelModelMetaMetaColumn *self, guint8 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_conflict (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_conflict (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_charset (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_charset (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_collation (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_collation (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_enum_values (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_enum_values (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_binary (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_binary (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_fill_zero (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_fill_zero (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_update_timestamp (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_update_timestamp (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_generated_always (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_generated_always (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Index metadata (Meta/index)
 * ====================================================================== */

#define TAVREL_MODEL_META_TYPE_META_INDEX (tavrel_model_meta_meta_index_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaIndex, tavrel_model_meta_meta_index, TAVREL_MODEL_META, META_INDEX, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaIndexClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaIndex *tavrel_model_meta_meta_index_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaIndex *tavrel_model_meta_meta_index_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaIndex *tavrel_model_meta_meta_index_new_with_names (const gchar *database, const gchar *schema, const gchar *entity, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaIndex *tavrel_model_meta_meta_index_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *entity, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_append (TavrelModelMetaMetaIndex *self, const gchar *column) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_entity (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_entity (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_class (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_class (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_method (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_method (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_parser (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_parser (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_algorithm (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_algorithm (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_lock (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_lock (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_where (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_where (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_table_space (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_table_space (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_with (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_with (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_include (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_include (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_kind (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_kind (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_index_get_is_concurrent (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_is_concurrent (TavrelModelMetaMetaIndex *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_index_get_is_only (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_is_only (TavrelModelMetaMetaIndex *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_index_get_is_visible (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_is_visible (TavrelModelMetaMetaIndex *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_index_get_is_clustered (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_is_clustered (TavrelModelMetaMetaIndex *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint64 tavrel_model_meta_meta_index_get_key_block_size (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_key_block_size (TavrelModelMetaMetaIndex *self, guint64 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_index_get_columns (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_columns (TavrelModelMetaMetaIndex *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Constraints (Meta/Constraints/)
 * ====================================================================== */

#define TAVREL_MODEL_META_TYPE_META_CONSTRAINT (tavrel_model_meta_meta_constraint_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaConstraint, tavrel_model_meta_meta_constraint, TAVREL_MODEL_META, META_CONSTRAINT, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaConstraintClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaConstraint *tavrel_model_meta_meta_constraint_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaConstraint *tavrel_model_meta_meta_constraint_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaConstraint *tavrel_model_meta_meta_constraint_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaConstraint *tavrel_model_meta_meta_constraint_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_META_TYPE_META_PRIMARY_KEY (tavrel_model_meta_meta_primary_key_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaPrimaryKey, tavrel_model_meta_meta_primary_key, TAVREL_MODEL_META, META_PRIMARY_KEY, TavrelModelMetaMetaConstraint)

struct _TavrelModelMetaMetaPrimaryKeyClass {
  TavrelModelMetaMetaConstraintClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaPrimaryKey *tavrel_model_meta_meta_primary_key_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaPrimaryKey *tavrel_model_meta_meta_primary_key_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaPrimaryKey *tavrel_model_meta_meta_primary_key_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaPrimaryKey *tavrel_model_meta_meta_primary_key_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_primary_key_get_columns (TavrelModelMetaMetaPrimaryKey *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_primary_key_set_columns (TavrelModelMetaMetaPrimaryKey *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_META_TYPE_META_UNIQUE (tavrel_model_meta_meta_unique_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaUnique, tavrel_model_meta_meta_unique, TAVREL_MODEL_META, META_UNIQUE, TavrelModelMetaMetaConstraint)

struct _TavrelModelMetaMetaUniqueClass {
  TavrelModelMetaMetaConstraintClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaUnique *tavrel_model_meta_meta_unique_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaUnique *tavrel_model_meta_meta_unique_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaUnique *tavrel_model_meta_meta_unique_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaUnique *tavrel_model_meta_meta_unique_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_unique_get_columns (TavrelModelMetaMetaUnique *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_unique_set_columns (TavrelModelMetaMetaUnique *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_unique_get_conflict (TavrelModelMetaMetaUnique *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_unique_set_conflict (TavrelModelMetaMetaUnique *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_unique_get_is_primary_key (TavrelModelMetaMetaUnique *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_unique_set_is_primary_key (TavrelModelMetaMetaUnique *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_unique_get_table_space (TavrelModelMetaMetaUnique *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_unique_set_table_space (TavrelModelMetaMetaUnique *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_unique_get_with (TavrelModelMetaMetaUnique *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_unique_set_with (TavrelModelMetaMetaUnique *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_unique_get_include (TavrelModelMetaMetaUnique *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_unique_set_include (TavrelModelMetaMetaUnique *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_unique_get_deferrable (TavrelModelMetaMetaUnique *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_unique_set_deferrable (TavrelModelMetaMetaUnique *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_META_TYPE_META_FOREIGN_KEY (tavrel_model_meta_meta_foreign_key_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaForeignKey, tavrel_model_meta_meta_foreign_key, TAVREL_MODEL_META, META_FOREIGN_KEY, TavrelModelMetaMetaConstraint)

struct _TavrelModelMetaMetaForeignKeyClass {
  TavrelModelMetaMetaConstraintClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaForeignKey *tavrel_model_meta_meta_foreign_key_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaForeignKey *tavrel_model_meta_meta_foreign_key_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaForeignKey *tavrel_model_meta_meta_foreign_key_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaForeignKey *tavrel_model_meta_meta_foreign_key_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaForeignKey *tavrel_model_meta_meta_foreign_key_new_with_refer (const gchar *database, const gchar *schema, const gchar *name, const gchar *refer_schema, const gchar *refer_table) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaForeignKey *tavrel_model_meta_meta_foreign_key_construct_with_refer (GType object_type, const gchar *database, const gchar *schema, const gchar *name, const gchar *refer_schema, const gchar *refer_table) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_refer_database (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_refer_database (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_refer_schema (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_refer_schema (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_refer_table (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_refer_table (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_local_columns (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_local_columns (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_refer_columns (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_refer_columns (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_match_method (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_match_method (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_delete_action (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_delete_action (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_update_action (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_update_action (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_deferrable (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_deferrable (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_META_TYPE_META_CHECK (tavrel_model_meta_meta_check_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaCheck, tavrel_model_meta_meta_check, TAVREL_MODEL_META, META_CHECK, TavrelModelMetaMetaConstraint)

struct _TavrelModelMetaMetaCheckClass {
  TavrelModelMetaMetaConstraintClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaCheck *tavrel_model_meta_meta_check_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaCheck *tavrel_model_meta_meta_check_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaCheck *tavrel_model_meta_meta_check_new_with_names (const gchar *database, const gchar *schema, const gchar *name, const gchar *expr) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaCheck *tavrel_model_meta_meta_check_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name, const gchar *expr) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_check_get_enforced (TavrelModelMetaMetaCheck *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_check_set_enforced (TavrelModelMetaMetaCheck *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_check_get_no_inherit (TavrelModelMetaMetaCheck *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_check_set_no_inherit (TavrelModelMetaMetaCheck *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_check_get_check (TavrelModelMetaMetaCheck *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_check_set_check (TavrelModelMetaMetaCheck *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_check_get_deferrable (TavrelModelMetaMetaCheck *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_check_set_deferrable (TavrelModelMetaMetaCheck *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_META_TYPE_META_EXCLUDE (tavrel_model_meta_meta_exclude_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaExclude, tavrel_model_meta_meta_exclude, TAVREL_MODEL_META, META_EXCLUDE, TavrelModelMetaMetaConstraint)

struct _TavrelModelMetaMetaExcludeClass {
  TavrelModelMetaMetaConstraintClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaExclude *tavrel_model_meta_meta_exclude_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaExclude *tavrel_model_meta_meta_exclude_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaExclude *tavrel_model_meta_meta_exclude_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaExclude *tavrel_model_meta_meta_exclude_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_exclude_get_index_method (TavrelModelMetaMetaExclude *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_exclude_set_index_method (TavrelModelMetaMetaExclude *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_exclude_get_table_space (TavrelModelMetaMetaExclude *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_exclude_set_table_space (TavrelModelMetaMetaExclude *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_exclude_get_with (TavrelModelMetaMetaExclude *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_exclude_set_with (TavrelModelMetaMetaExclude *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_exclude_get_include (TavrelModelMetaMetaExclude *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_exclude_set_include (TavrelModelMetaMetaExclude *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_exclude_get_where (TavrelModelMetaMetaExclude *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_exclude_set_where (TavrelModelMetaMetaExclude *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_exclude_get_deferrable (TavrelModelMetaMetaExclude *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_exclude_set_deferrable (TavrelModelMetaMetaExclude *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_exclude_get_elements (TavrelModelMetaMetaExclude *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_exclude_set_elements (TavrelModelMetaMetaExclude *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Triggers (Meta/trigger)
 * ====================================================================== */

#define TAVREL_MODEL_META_TYPE_META_TRIGGER (tavrel_model_meta_meta_trigger_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaTrigger, tavrel_model_meta_meta_trigger, TAVREL_MODEL_META, META_TRIGGER, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaTriggerClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaTrigger *tavrel_model_meta_meta_trigger_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaTrigger *tavrel_model_meta_meta_trigger_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaTrigger *tavrel_model_meta_meta_trigger_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaTrigger *tavrel_model_meta_meta_trigger_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaTrigger *tavrel_model_meta_meta_trigger_new_with_body (const gchar *database, const gchar *schema, const gchar *name, const gchar *body) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaTrigger *tavrel_model_meta_meta_trigger_construct_with_body (GType object_type, const gchar *database, const gchar *schema, const gchar *name, const gchar *body) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_kind (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_kind (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_target (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_target (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_body (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_body (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_definer (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_definer (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_timing (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_timing (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_event (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_event (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_when (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_when (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_order (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_order (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_trigger (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_trigger (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_columns (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_columns (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_deferrable (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_deferrable (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_deferred (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_deferred (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_function (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_function (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_arguments (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_arguments (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_for_each (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_for_each (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_refer_table (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_refer_table (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_trigger_get_constraint (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_constraint (TavrelModelMetaMetaTrigger *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_apply (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_apply (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_trigger_get_enable (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_enable (TavrelModelMetaMetaTrigger *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Rewrite rules (Meta/rule)
 * ====================================================================== */

#define TAVREL_MODEL_META_TYPE_META_RULE (tavrel_model_meta_meta_rule_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaRule, tavrel_model_meta_meta_rule, TAVREL_MODEL_META, META_RULE, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaRuleClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaRule *tavrel_model_meta_meta_rule_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaRule *tavrel_model_meta_meta_rule_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaRule *tavrel_model_meta_meta_rule_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaRule *tavrel_model_meta_meta_rule_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_rule_get_commands (TavrelModelMetaMetaRule *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_rule_set_commands (TavrelModelMetaMetaRule *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_rule_get_action (TavrelModelMetaMetaRule *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_rule_set_action (TavrelModelMetaMetaRule *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_rule_get_event (TavrelModelMetaMetaRule *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_rule_set_event (TavrelModelMetaMetaRule *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_rule_get_where (TavrelModelMetaMetaRule *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_rule_set_where (TavrelModelMetaMetaRule *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_rule_get_apply (TavrelModelMetaMetaRule *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_rule_set_apply (TavrelModelMetaMetaRule *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_rule_get_enable (TavrelModelMetaMetaRule *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_rule_set_enable (TavrelModelMetaMetaRule *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Scheduled events (Meta/event)
 * ====================================================================== */

#define TAVREL_MODEL_META_TYPE_META_EVENT (tavrel_model_meta_meta_event_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaEvent, tavrel_model_meta_meta_event, TAVREL_MODEL_META, META_EVENT, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaEventClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaEvent *tavrel_model_meta_meta_event_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaEvent *tavrel_model_meta_meta_event_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaEvent *tavrel_model_meta_meta_event_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaEvent *tavrel_model_meta_meta_event_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_event_get_kind (TavrelModelMetaMetaEvent *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_event_set_kind (TavrelModelMetaMetaEvent *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_event_get_body (TavrelModelMetaMetaEvent *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_event_set_body (TavrelModelMetaMetaEvent *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_event_get_definer (TavrelModelMetaMetaEvent *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_event_set_definer (TavrelModelMetaMetaEvent *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_event_get_state (TavrelModelMetaMetaEvent *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_event_set_state (TavrelModelMetaMetaEvent *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_event_get_schedule (TavrelModelMetaMetaEvent *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_event_set_schedule (TavrelModelMetaMetaEvent *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_event_get_completion (TavrelModelMetaMetaEvent *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_event_set_completion (TavrelModelMetaMetaEvent *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Synonyms (Meta/synonym)
 * ====================================================================== */

#define TAVREL_MODEL_META_TYPE_META_SYNONYM (tavrel_model_meta_meta_synonym_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaSynonym, tavrel_model_meta_meta_synonym, TAVREL_MODEL_META, META_SYNONYM, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaSynonymClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaSynonym *tavrel_model_meta_meta_synonym_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaSynonym *tavrel_model_meta_meta_synonym_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaSynonym *tavrel_model_meta_meta_synonym_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaSynonym *tavrel_model_meta_meta_synonym_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_synonym_get_target (TavrelModelMetaMetaSynonym *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_synonym_set_target (TavrelModelMetaMetaSynonym *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Tables (Meta/table)
 * ====================================================================== */

#define TAVREL_MODEL_META_TYPE_META_TABLE (tavrel_model_meta_meta_table_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaTable, tavrel_model_meta_meta_table, TAVREL_MODEL_META, META_TABLE, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaTableClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaTable *tavrel_model_meta_meta_table_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaTable *tavrel_model_meta_meta_table_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaTable *tavrel_model_meta_meta_table_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaTable *tavrel_model_meta_meta_table_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
/* get_column and new_column return a new reference; the table keeps its own. */
TAVREL_MODEL_API TavrelModelMetaMetaColumn *tavrel_model_meta_meta_table_get_column (TavrelModelMetaMetaTable *self, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaColumn *tavrel_model_meta_meta_table_new_column (TavrelModelMetaMetaTable *self, const gchar *name, TavrelModelDataDataType data_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_table_reset_partial (TavrelModelMetaMetaTable *self, TavrelModelMetaDBObject kind) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_table_get_constraints (TavrelModelMetaMetaTable *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_table_set_constraints (TavrelModelMetaMetaTable *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_table_get_columns (TavrelModelMetaMetaTable *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_table_set_columns (TavrelModelMetaMetaTable *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_table_get_indexes (TavrelModelMetaMetaTable *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_table_set_indexes (TavrelModelMetaMetaTable *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_table_get_rules (TavrelModelMetaMetaTable *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_table_set_rules (TavrelModelMetaMetaTable *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_table_get_triggers (TavrelModelMetaMetaTable *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_table_set_triggers (TavrelModelMetaMetaTable *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Views and materialized views (Meta/view)
 * ====================================================================== */

#define TAVREL_MODEL_META_TYPE_META_VIEW (tavrel_model_meta_meta_view_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaView, tavrel_model_meta_meta_view, TAVREL_MODEL_META, META_VIEW, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaViewClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaView *tavrel_model_meta_meta_view_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaView *tavrel_model_meta_meta_view_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaView *tavrel_model_meta_meta_view_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaView *tavrel_model_meta_meta_view_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_view_get_definition (TavrelModelMetaMetaView *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_view_set_definition (TavrelModelMetaMetaView *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_view_get_columns (TavrelModelMetaMetaView *self) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_META_TYPE_MATERIALIZED (tavrel_model_meta_materialized_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMaterialized, tavrel_model_meta_materialized, TAVREL_MODEL_META, MATERIALIZED, TavrelModelMetaMetaView)

struct _TavrelModelMetaMaterializedClass {
  TavrelModelMetaMetaViewClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMaterialized *tavrel_model_meta_materialized_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMaterialized *tavrel_model_meta_materialized_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMaterialized *tavrel_model_meta_materialized_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMaterialized *tavrel_model_meta_materialized_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_materialized_get_table_space (TavrelModelMetaMaterialized *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_materialized_set_table_space (TavrelModelMetaMaterialized *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_materialized_get_definer (TavrelModelMetaMaterialized *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_materialized_set_definer (TavrelModelMetaMaterialized *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_materialized_get_fill_factor (TavrelModelMetaMaterialized *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_materialized_set_fill_factor (TavrelModelMetaMaterialized *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_meta_materialized_get_with_data (TavrelModelMetaMaterialized *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_materialized_set_with_data (TavrelModelMetaMaterialized *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Routines (Meta/function)
 * ====================================================================== */

#define TAVREL_MODEL_META_TYPE_META_ROUTINE (tavrel_model_meta_meta_routine_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaRoutine, tavrel_model_meta_meta_routine, TAVREL_MODEL_META, META_ROUTINE, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaRoutineClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaRoutine *tavrel_model_meta_meta_routine_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaRoutine *tavrel_model_meta_meta_routine_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_routine_get_return_type (TavrelModelMetaMetaRoutine *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_routine_set_return_type (TavrelModelMetaMetaRoutine *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_routine_get_body (TavrelModelMetaMetaRoutine *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_routine_set_body (TavrelModelMetaMetaRoutine *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_routine_get_parameters (TavrelModelMetaMetaRoutine *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_routine_set_parameters (TavrelModelMetaMetaRoutine *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_META_TYPE_META_FUNCTION (tavrel_model_meta_meta_function_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaFunction, tavrel_model_meta_meta_function, TAVREL_MODEL_META, META_FUNCTION, TavrelModelMetaMetaRoutine)

struct _TavrelModelMetaMetaFunctionClass {
  TavrelModelMetaMetaRoutineClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaFunction *tavrel_model_meta_meta_function_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaFunction *tavrel_model_meta_meta_function_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaFunction *tavrel_model_meta_meta_function_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaFunction *tavrel_model_meta_meta_function_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_META_TYPE_META_PROCEDURE (tavrel_model_meta_meta_procedure_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaProcedure, tavrel_model_meta_meta_procedure, TAVREL_MODEL_META, META_PROCEDURE, TavrelModelMetaMetaRoutine)

struct _TavrelModelMetaMetaProcedureClass {
  TavrelModelMetaMetaRoutineClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaProcedure *tavrel_model_meta_meta_procedure_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaProcedure *tavrel_model_meta_meta_procedure_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaProcedure *tavrel_model_meta_meta_procedure_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaProcedure *tavrel_model_meta_meta_procedure_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_META_TYPE_META_EXTERNAL (tavrel_model_meta_meta_external_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaExternal, tavrel_model_meta_meta_external, TAVREL_MODEL_META, META_EXTERNAL, TavrelModelMetaMetaRoutine)

struct _TavrelModelMetaMetaExternalClass {
  TavrelModelMetaMetaRoutineClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaExternal *tavrel_model_meta_meta_external_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaExternal *tavrel_model_meta_meta_external_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaExternal *tavrel_model_meta_meta_external_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaExternal *tavrel_model_meta_meta_external_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Schemas (Meta/schema)
 * ====================================================================== */

#define TAVREL_MODEL_META_TYPE_META_SCHEMA (tavrel_model_meta_meta_schema_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaSchema, tavrel_model_meta_meta_schema, TAVREL_MODEL_META, META_SCHEMA, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaSchemaClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaSchema *tavrel_model_meta_meta_schema_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaSchema *tavrel_model_meta_meta_schema_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaSchema *tavrel_model_meta_meta_schema_new_with_names (const gchar *database, const gchar *schema) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaSchema *tavrel_model_meta_meta_schema_construct_with_names (GType object_type, const gchar *database, const gchar *schema) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_schema_get_events (TavrelModelMetaMetaSchema *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_schema_set_events (TavrelModelMetaMetaSchema *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_schema_get_routines (TavrelModelMetaMetaSchema *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_schema_set_routines (TavrelModelMetaMetaSchema *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_schema_get_tables (TavrelModelMetaMetaSchema *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_schema_set_tables (TavrelModelMetaMetaSchema *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_schema_get_miews (TavrelModelMetaMetaSchema *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_schema_set_miews (TavrelModelMetaMetaSchema *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_schema_get_views (TavrelModelMetaMetaSchema *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_schema_set_views (TavrelModelMetaMetaSchema *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Databases (Meta/database)
 * ====================================================================== */

#define TAVREL_MODEL_META_TYPE_META_DATABASE (tavrel_model_meta_meta_database_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaDatabase, tavrel_model_meta_meta_database, TAVREL_MODEL_META, META_DATABASE, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaDatabaseClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaDatabase *tavrel_model_meta_meta_database_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaDatabase *tavrel_model_meta_meta_database_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaDatabase *tavrel_model_meta_meta_database_new_with_name (const gchar *database) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaDatabase *tavrel_model_meta_meta_database_construct_with_name (GType object_type, const gchar *database) TAVREL_MODEL_NOEXCEPT;
/* append returns a new reference to the schema of that name, found or added. */
TAVREL_MODEL_API TavrelModelMetaMetaSchema *tavrel_model_meta_meta_database_append (TavrelModelMetaMetaDatabase *self, const gchar *schema_name) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_database_get_schemas (TavrelModelMetaMetaDatabase *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_database_set_schemas (TavrelModelMetaMetaDatabase *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Classification nodes (Meta/classify)
 * ====================================================================== */

#define TAVREL_MODEL_META_TYPE_META_CLASSIFY (tavrel_model_meta_meta_classify_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaClassify, tavrel_model_meta_meta_classify, TAVREL_MODEL_META, META_CLASSIFY, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaClassifyClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaClassify *tavrel_model_meta_meta_classify_new (TavrelModelMetaDBObject kind, const gchar *database, const gchar *schema, const gchar *label) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaClassify *tavrel_model_meta_meta_classify_construct (GType object_type, TavrelModelMetaDBObject kind, const gchar *database, const gchar *schema, const gchar *label) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaClassify *tavrel_model_meta_meta_classify_new_with_model (TavrelModelMetaDBObject kind, const gchar *database, const gchar *schema, const gchar *label, GListModel *list_model) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaClassify *tavrel_model_meta_meta_classify_construct_with_model (GType object_type, TavrelModelMetaDBObject kind, const gchar *database, const gchar *schema, const gchar *label, GListModel *list_model) TAVREL_MODEL_NOEXCEPT;
/* new_with_array keeps, in array order, the non-null elements of the node's
 * kind; the array itself is not kept. */
TAVREL_MODEL_API TavrelModelMetaMetaClassify *tavrel_model_meta_meta_classify_new_with_array (TavrelModelMetaDBObject kind, const gchar *database, const gchar *schema, const gchar *label, TavrelModelMetaMetaObject **array, gint32 length) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaClassify *tavrel_model_meta_meta_classify_construct_with_array (GType object_type, TavrelModelMetaDBObject kind, const gchar *database, const gchar *schema, const gchar *label, TavrelModelMetaMetaObject **array, gint32 length) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GListModel *tavrel_model_meta_meta_classify_get_children (TavrelModelMetaMetaClassify *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_classify_set_children (TavrelModelMetaMetaClassify *self, GListModel *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Roles and users (Meta/user)
 * ====================================================================== */

#define TAVREL_MODEL_META_TYPE_META_RELATION (tavrel_model_meta_meta_relation_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaRelation, tavrel_model_meta_meta_relation, TAVREL_MODEL_META, META_RELATION, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaRelationClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaRelation *tavrel_model_meta_meta_relation_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaRelation *tavrel_model_meta_meta_relation_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeHashMap *tavrel_model_meta_meta_relation_get_relations (TavrelModelMetaMetaRelation *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_relation_set_relations (TavrelModelMetaMetaRelation *self, GeeHashMap *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeHashMap *tavrel_model_meta_meta_relation_get_privileges (TavrelModelMetaMetaRelation *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_relation_set_privileges (TavrelModelMetaMetaRelation *self, GeeHashMap *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_relation_get_scope (TavrelModelMetaMetaRelation *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_relation_set_scope (TavrelModelMetaMetaRelation *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_relation_get_password (TavrelModelMetaMetaRelation *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_relation_set_password (TavrelModelMetaMetaRelation *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_META_TYPE_META_ROLE (tavrel_model_meta_meta_role_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaRole, tavrel_model_meta_meta_role, TAVREL_MODEL_META, META_ROLE, TavrelModelMetaMetaRelation)

struct _TavrelModelMetaMetaRoleClass {
  TavrelModelMetaMetaRelationClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaRole *tavrel_model_meta_meta_role_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaRole *tavrel_model_meta_meta_role_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaRole *tavrel_model_meta_meta_role_new_with_names (const gchar *database, const gchar *schema, const gchar *name, const gchar *scope) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaRole *tavrel_model_meta_meta_role_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name, const gchar *scope) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_META_TYPE_META_USER (tavrel_model_meta_meta_user_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaUser, tavrel_model_meta_meta_user, TAVREL_MODEL_META, META_USER, TavrelModelMetaMetaRelation)

struct _TavrelModelMetaMetaUserClass {
  TavrelModelMetaMetaRelationClass parent_class;
};

TAVREL_MODEL_API TavrelModelMetaMetaUser *tavrel_model_meta_meta_user_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaUser *tavrel_model_meta_meta_user_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaUser *tavrel_model_meta_meta_user_new_with_names (const gchar *database, const gchar *schema, const gchar *name, const gchar *scope) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelMetaMetaUser *tavrel_model_meta_meta_user_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name, const gchar *scope) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_user_get_default_schema (TavrelModelMetaMetaUser *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_meta_meta_user_set_default_schema (TavrelModelMetaMetaUser *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

G_END_DECLS

#endif /* TAVREL_MODEL_META_H */
