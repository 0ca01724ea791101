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

/**
 * TavrelModelMetaDBObject:
 * @TAVREL_MODEL_META_DB_OBJECT_UNKNOWN: no known kind
 * @TAVREL_MODEL_META_DB_OBJECT_AGGREGATE: the kind "aggregate"
 * @TAVREL_MODEL_META_DB_OBJECT_ASSEMBLY: the kind "assembly"
 * @TAVREL_MODEL_META_DB_OBJECT_BACKUP: the kind "backup"
 * @TAVREL_MODEL_META_DB_OBJECT_CHECK: the kind "check"
 * @TAVREL_MODEL_META_DB_OBJECT_CAST: the kind "cast"
 * @TAVREL_MODEL_META_DB_OBJECT_CLASS: the kind "class"
 * @TAVREL_MODEL_META_DB_OBJECT_CLASSIFIER: the kind "classifier"
 * @TAVREL_MODEL_META_DB_OBJECT_CLUSTER: the kind "cluster"
 * @TAVREL_MODEL_META_DB_OBJECT_COLUMN: the kind "column"
 * @TAVREL_MODEL_META_DB_OBJECT_CONTRAINT: a constraint (its nick is spelt
 *   "contraint")
 * @TAVREL_MODEL_META_DB_OBJECT_CONVERSION: the kind "conversion"
 * @TAVREL_MODEL_META_DB_OBJECT_DATABASE: the kind "database"
 * @TAVREL_MODEL_META_DB_OBJECT_DBLINK: the kind "dblink"
 * @TAVREL_MODEL_META_DB_OBJECT_DEVICE: the kind "device"
 * @TAVREL_MODEL_META_DB_OBJECT_DIMENSION: the kind "dimension"
 * @TAVREL_MODEL_META_DB_OBJECT_DIRECTORY: the kind "directory"
 * @TAVREL_MODEL_META_DB_OBJECT_DOMAIN: the kind "domain"
 * @TAVREL_MODEL_META_DB_OBJECT_ENDPOINT: the kind "endpoint"
 * @TAVREL_MODEL_META_DB_OBJECT_EVENT: the kind "event"
 * @TAVREL_MODEL_META_DB_OBJECT_EXCLUDE: the kind "exclude"
 * @TAVREL_MODEL_META_DB_OBJECT_EXTERNAL: the kind "external"
 * @TAVREL_MODEL_META_DB_OBJECT_FOREIGN: the kind "foreign"
 * @TAVREL_MODEL_META_DB_OBJECT_FUNCTION: the kind "function"
 * @TAVREL_MODEL_META_DB_OBJECT_INDEX: the kind "index"
 * @TAVREL_MODEL_META_DB_OBJECT_JAVA: the kind "java"
 * @TAVREL_MODEL_META_DB_OBJECT_JOB: the kind "job"
 * @TAVREL_MODEL_META_DB_OBJECT_LANGUAGE: the kind "language"
 * @TAVREL_MODEL_META_DB_OBJECT_LOG: the kind "log"
 * @TAVREL_MODEL_META_DB_OBJECT_MATERIALIZED: the kind "materialized"
 * @TAVREL_MODEL_META_DB_OBJECT_OPERATOR: the kind "operator"
 * @TAVREL_MODEL_META_DB_OBJECT_PACKAGE: the kind "package"
 * @TAVREL_MODEL_META_DB_OBJECT_PARAMETER: the kind "parameter"
 * @TAVREL_MODEL_META_DB_OBJECT_PARTITION: the kind "partition"
 * @TAVREL_MODEL_META_DB_OBJECT_PRIMARY: the kind "primary"
 * @TAVREL_MODEL_META_DB_OBJECT_PROCEDURE: the kind "procedure"
 * @TAVREL_MODEL_META_DB_OBJECT_QUERY: the kind "query"
 * @TAVREL_MODEL_META_DB_OBJECT_RECYCLE: the kind "recycle"
 * @TAVREL_MODEL_META_DB_OBJECT_REPORT: the kind "report"
 * @TAVREL_MODEL_META_DB_OBJECT_ROLE: the kind "role"
 * @TAVREL_MODEL_META_DB_OBJECT_ROUTINE: the kind "routine"
 * @TAVREL_MODEL_META_DB_OBJECT_RULE: the kind "rule"
 * @TAVREL_MODEL_META_DB_OBJECT_SCHEMA: the kind "schema"
 * @TAVREL_MODEL_META_DB_OBJECT_SEQUENCE: the kind "sequence"
 * @TAVREL_MODEL_META_DB_OBJECT_SERVER: the kind "server"
 * @TAVREL_MODEL_META_DB_OBJECT_STATISTICS: the kind "statistics"
 * @TAVREL_MODEL_META_DB_OBJECT_SYNONYM: the kind "synonym"
 * @TAVREL_MODEL_META_DB_OBJECT_TABLE: the kind "table"
 * @TAVREL_MODEL_META_DB_OBJECT_TABLESPACE: the kind "tablespace"
 * @TAVREL_MODEL_META_DB_OBJECT_TRIGGER: the kind "trigger"
 * @TAVREL_MODEL_META_DB_OBJECT_TYPE: the kind "type"
 * @TAVREL_MODEL_META_DB_OBJECT_UNIQUE: the kind "unique"
 * @TAVREL_MODEL_META_DB_OBJECT_USER: the kind "user"
 * @TAVREL_MODEL_META_DB_OBJECT_VIEW: the kind "view"
 * @TAVREL_MODEL_META_DB_OBJECT_WRAPPER: the kind "wrapper"
 *
 * The kinds of catalogue object, numbered 0 to 54; their nicks are the
 * lower-case names ("table").
 */
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

/**
 * tavrel_model_meta_db_object_to_string:
 * @self: an object kind
 *
 * Names an object kind.
 *
 * Returns: (transfer full) (nullable): the kind's nick ("table"), or %NULL
 *   for a number that is no kind
 */
TAVREL_MODEL_API gchar *tavrel_model_meta_db_object_to_string (TavrelModelMetaDBObject self) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelMetaIMetaData:
 *
 * The operations every catalogue object has beside its properties: a deep
 * copy and a reset.
 */
#define TAVREL_MODEL_META_TYPE_IMETA_DATA (tavrel_model_meta_imeta_data_get_type ())
TAVREL_MODEL_DECLARE_INTERFACE (TavrelModelMetaIMetaData, tavrel_model_meta_imeta_data, TAVREL_MODEL_META, IMETA_DATA, GObject)

/* Hidden from introspection for the reason given at the value interface:
 * MetaObject fills the slots with its own class operations. */
struct _TavrelModelMetaIMetaDataInterface {
  GTypeInterface parent_iface;
#ifndef __GI_SCANNER__
  TavrelModelMetaIMetaData *(*clone) (TavrelModelMetaIMetaData *self);
  void (*reset) (TavrelModelMetaIMetaData *self);
#else
  gpointer slots[2];
#endif
};

/**
 * tavrel_model_meta_imeta_data_clone:
 * @self: a #TavrelModelMetaIMetaData
 *
 * Copies the object: a new object of the same class with every writable
 * property copied (lists and maps by reference, except that tables, schemas
 * and databases clone their child objects into lists of their own).
 *
 * Returns: (transfer full): the copy
 */
TAVREL_MODEL_API TavrelModelMetaIMetaData *tavrel_model_meta_imeta_data_clone (TavrelModelMetaIMetaData *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_imeta_data_reset:
 * @self: a #TavrelModelMetaIMetaData
 *
 * Empties the object's loaded content: its comment, attributes and change
 * record, and the child lists of tables, schemas and databases. The identity
 * stays.
 */
TAVREL_MODEL_API void tavrel_model_meta_imeta_data_reset (TavrelModelMetaIMetaData *self) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelMetaMetaObject:
 *
 * The base of every catalogue object: identity (database, schema, name),
 * comment, attributes, kind, qualified name, clone and reset, the JSON hooks
 * and the change record.
 *
 * Objects are written to JSON and read back with json-glib's object functions
 * (json_gobject_to_data(), json_gobject_from_data()). The change record is
 * written by tavrel_model_transform_patcher_diff_model(): the diff map tells,
 * per path, whether it was deleted, inserted or updated, and the slice map
 * keeps the source-side texts.
 */
/**
 * TavrelModelMetaMetaObject:attributes:
 *
 * The live map of the object's further attributes, strings to strings.
 */
/**
 * TavrelModelMetaMetaObject:comment:
 *
 * The object's comment.
 */
/**
 * TavrelModelMetaMetaObject:database:
 *
 * The name of the database the object belongs to.
 */
/**
 * TavrelModelMetaMetaObject:name:
 *
 * The object's name.
 */
/**
 * TavrelModelMetaMetaObject:schema:
 *
 * The name of the schema the object belongs to.
 */
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

/**
 * tavrel_model_meta_meta_object_new:
 *
 * Creates a plain catalogue object.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaObject
 */
TAVREL_MODEL_API TavrelModelMetaMetaObject *tavrel_model_meta_meta_object_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaObject or a type
 *   derived from it
 *
 * Creates a plain catalogue object, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaObject *tavrel_model_meta_meta_object_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_get_database:
 * @self: a #TavrelModelMetaMetaObject
 *
 * Gets the name of the database the object belongs to.
 *
 * Returns: (transfer none) (nullable): the name of the database the object
 *   belongs to
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_object_get_database (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_set_database:
 * @self: a #TavrelModelMetaMetaObject
 * @value: (nullable): the new text, copied
 *
 * Sets the name of the database the object belongs to.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_object_set_database (TavrelModelMetaMetaObject *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_get_schema:
 * @self: a #TavrelModelMetaMetaObject
 *
 * Gets the name of the schema the object belongs to.
 *
 * Returns: (transfer none) (nullable): the name of the schema the object
 *   belongs to
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_object_get_schema (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_set_schema:
 * @self: a #TavrelModelMetaMetaObject
 * @value: (nullable): the new text, copied
 *
 * Sets the name of the schema the object belongs to.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_object_set_schema (TavrelModelMetaMetaObject *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_get_name:
 * @self: a #TavrelModelMetaMetaObject
 *
 * Gets the object's name.
 *
 * Returns: (transfer none) (nullable): the object's name
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_object_get_name (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_set_name:
 * @self: a #TavrelModelMetaMetaObject
 * @value: (nullable): the new text, copied
 *
 * Sets the object's name.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_object_set_name (TavrelModelMetaMetaObject *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_get_comment:
 * @self: a #TavrelModelMetaMetaObject
 *
 * Gets the object's comment.
 *
 * Returns: (transfer none) (nullable): the object's comment
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_object_get_comment (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_set_comment:
 * @self: a #TavrelModelMetaMetaObject
 * @value: (nullable): the new text, copied
 *
 * Sets the object's comment.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_object_set_comment (TavrelModelMetaMetaObject *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_get_attributes:
 * @self: a #TavrelModelMetaMetaObject
 *
 * Gets the live map of the object's further attributes, strings to strings.
 *
 * Returns: (transfer none) (nullable): the live map of the object's further
 *   attributes, strings to strings
 */
TAVREL_MODEL_API GeeHashMap *tavrel_model_meta_meta_object_get_attributes (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_set_attributes:
 * @self: a #TavrelModelMetaMetaObject
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live map of the object's further attributes, strings to strings.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_object_set_attributes (TavrelModelMetaMetaObject *self, GeeHashMap *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_fullname:
 * @self: a #TavrelModelMetaMetaObject
 * @with_database: whether to include the database
 * @with_kind: whether to start with the kind's nick and a colon
 *
 * Gives the object's qualified name, as "kind:database.schema.name" with the
 * parts asked for; schemas and databases have forms of their own
 * ("schema:shop.public", "database:shop..").
 *
 * Returns: (transfer full): the qualified name
 */
TAVREL_MODEL_API gchar *tavrel_model_meta_meta_object_fullname (TavrelModelMetaMetaObject *self, gboolean with_database, gboolean with_kind) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_character:
 * @self: a #TavrelModelMetaMetaObject
 *
 * Gives the object's kind.
 *
 * Returns: the kind
 */
TAVREL_MODEL_API TavrelModelMetaDBObject tavrel_model_meta_meta_object_character (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_reset:
 * @self: a #TavrelModelMetaMetaObject
 *
 * Empties the object's loaded content: its comment, attributes and change
 * record, and the child lists of tables, schemas and databases. The identity
 * stays.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_object_reset (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_clone:
 * @self: a #TavrelModelMetaMetaObject
 *
 * Copies the object: a new object of the same class with every writable
 * property copied (lists and maps by reference, except that tables, schemas
 * and databases clone their child objects into lists of their own).
 *
 * Returns: (transfer full): the copy
 */
TAVREL_MODEL_API TavrelModelMetaMetaObject *tavrel_model_meta_meta_object_clone (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_serialize_property:
 * @self: a #TavrelModelMetaMetaObject
 * @property_name: the property's name
 * @value: the property's value
 * @pspec: the property's #GParamSpec
 *
 * Shapes one property for the JSON form; the class's hook behind json-glib's
 * serializable interface.
 *
 * Returns: (transfer full) (nullable): a new node, or %NULL to leave the
 *   member out
 */
TAVREL_MODEL_API JsonNode *tavrel_model_meta_meta_object_serialize_property (TavrelModelMetaMetaObject *self, const gchar *property_name, const GValue *value, GParamSpec *pspec) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_deserialize_property:
 * @self: a #TavrelModelMetaMetaObject
 * @property_name: the property's name
 * @value: a #GValue initialised to the property's type, to fill
 * @pspec: the property's #GParamSpec
 * @property_node: the member's node
 *
 * Reads one property of the JSON form; the class's hook behind json-glib's
 * serializable interface. Bindings read whole objects with
 * json_gobject_from_data().
 *
 * Returns: %TRUE when the hook handled the node
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_object_deserialize_property (TavrelModelMetaMetaObject *self, const gchar *property_name, GValue *value, GParamSpec *pspec, JsonNode *property_node) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_diff:
 * @self: a #TavrelModelMetaMetaObject
 *
 * Gives the change record's diff map: path to change version (a
 * #TavrelModelTransformDataVersion held in the pointer). Bindings read it
 * with tavrel_model_map_lookup_version().
 *
 * Returns: (transfer full): a new reference to the live map
 */
TAVREL_MODEL_API GeeHashMap *tavrel_model_meta_meta_object_diff (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_slice:
 * @self: a #TavrelModelMetaMetaObject
 *
 * Gives the change record's slice map: path to the source-side text.
 *
 * Returns: (transfer full): a new reference to the live map
 */
TAVREL_MODEL_API GeeHashMap *tavrel_model_meta_meta_object_slice (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_append_diff:
 * @self: a #TavrelModelMetaMetaObject
 * @key: the path
 * @value: the change version
 *
 * Records a change version for a path.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_object_append_diff (TavrelModelMetaMetaObject *self, const gchar *key, TavrelModelTransformDataVersion value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_append_slice:
 * @self: a #TavrelModelMetaMetaObject
 * @key: the path
 * @value: the text
 *
 * Records the source-side text of a path.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_object_append_slice (TavrelModelMetaMetaObject *self, const gchar *key, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_clear_diff:
 * @self: a #TavrelModelMetaMetaObject
 *
 * Empties the diff map.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_object_clear_diff (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_object_clear_slice:
 * @self: a #TavrelModelMetaMetaObject
 *
 * Empties the slice map.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_object_clear_slice (TavrelModelMetaMetaObject *self) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Column metadata (Meta/column)
 * ====================================================================== */

/**
 * TavrelModelMetaMetaColumn:
 *
 * The definition of a column of a table or view, with every attribute a
 * database reports for it.
 */
/**
 * TavrelModelMetaMetaColumn:after:
 *
 * The name of the column this one follows.
 */
/**
 * TavrelModelMetaMetaColumn:alias:
 *
 * The column's alias.
 */
/**
 * TavrelModelMetaMetaColumn:auto-increment:
 *
 * Whether the column counts up by itself.
 */
/**
 * TavrelModelMetaMetaColumn:auto-increment-seed:
 *
 * The first value of an auto-increment column.
 */
/**
 * TavrelModelMetaMetaColumn:charset:
 *
 * The character set.
 */
/**
 * TavrelModelMetaMetaColumn:collation:
 *
 * The collation.
 */
/**
 * TavrelModelMetaMetaColumn:conflict:
 *
 * The conflict clause.
 */
/**
 * TavrelModelMetaMetaColumn:data-type:
 *
 * The kind of the column's values.
 */
/**
 * TavrelModelMetaMetaColumn:default-value:
 *
 * The default expression.
 */
/**
 * TavrelModelMetaMetaColumn:dimension:
 *
 * The number of dimensions.
 */
/**
 * TavrelModelMetaMetaColumn:enum-values:
 *
 * The value list of an enumeration or set type, as one text.
 */
/**
 * TavrelModelMetaMetaColumn:expression:
 *
 * The generation expression of a computed column.
 */
/**
 * TavrelModelMetaMetaColumn:identity:
 *
 * The identity clause, as the server states it.
 */
/**
 * TavrelModelMetaMetaColumn:is-binary:
 *
 * Whether the column is binary.
 */
/**
 * TavrelModelMetaMetaColumn:is-fill-zero:
 *
 * Whether numbers are filled with zeros.
 */
/**
 * TavrelModelMetaMetaColumn:is-generated-always:
 *
 * Whether the column is always generated.
 */
/**
 * TavrelModelMetaMetaColumn:is-primary-key:
 *
 * Whether the column is part of the primary key.
 */
/**
 * TavrelModelMetaMetaColumn:is-selected:
 *
 * A selection mark for the client's own use.
 */
/**
 * TavrelModelMetaMetaColumn:is-unsigned:
 *
 * Whether the numeric type is unsigned.
 */
/**
 * TavrelModelMetaMetaColumn:is-user-defined:
 *
 * Whether the column is of a user-defined type.
 */
/**
 * TavrelModelMetaMetaColumn:is-virtual:
 *
 * Whether the column is computed.
 */
/**
 * TavrelModelMetaMetaColumn:length:
 *
 * The length or precision.
 */
/**
 * TavrelModelMetaMetaColumn:not-null:
 *
 * Whether the column rejects null.
 */
/**
 * TavrelModelMetaMetaColumn:ordinal:
 *
 * The position of the column in its table.
 */
/**
 * TavrelModelMetaMetaColumn:primary-length:
 *
 * The key prefix length within the primary key.
 */
/**
 * TavrelModelMetaMetaColumn:primary-order:
 *
 * The ordering code within the primary key.
 */
/**
 * TavrelModelMetaMetaColumn:primary-ordinal:
 *
 * The position of the column within the primary key.
 */
/**
 * TavrelModelMetaMetaColumn:raw-type:
 *
 * The type as the database spells it.
 */
/**
 * TavrelModelMetaMetaColumn:scale:
 *
 * The scale.
 */
/**
 * TavrelModelMetaMetaColumn:update-timestamp:
 *
 * Whether the column is set to the current time on update.
 */
/**
 * TavrelModelMetaMetaColumn:virtual-type:
 *
 * The kind of computed column.
 */
#define TAVREL_MODEL_META_TYPE_META_COLUMN (tavrel_model_meta_meta_column_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaColumn, tavrel_model_meta_meta_column, TAVREL_MODEL_META, META_COLUMN, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaColumnClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

/**
 * tavrel_model_meta_meta_column_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaColumn
 */
TAVREL_MODEL_API TavrelModelMetaMetaColumn *tavrel_model_meta_meta_column_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaColumn or a type
 *   derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaColumn *tavrel_model_meta_meta_column_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_new_with_type:
 * @name: the column's name
 * @data_type: the kind of its values
 * @native_type: the type as the database spells it
 *
 * Creates a column definition.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaColumn
 */
TAVREL_MODEL_API TavrelModelMetaMetaColumn *tavrel_model_meta_meta_column_new_with_type (const gchar *name, TavrelModelDataDataType data_type, const gchar *native_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_construct_with_type: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaColumn or a type
 *   derived from it
 * @name: the column's name
 * @data_type: the kind of its values
 * @native_type: the type as the database spells it
 *
 * Creates a column definition, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaColumn *tavrel_model_meta_meta_column_construct_with_type (GType object_type, const gchar *name, TavrelModelDataDataType data_type, const gchar *native_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_ordinal:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the position of the column in its table.
 *
 * Returns: the position of the column in its table
 */
TAVREL_MODEL_API guint16 tavrel_model_meta_meta_column_get_ordinal (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_ordinal:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets the position of the column in its table.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_ordinal (TavrelModelMetaMetaColumn *self, guint16 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_alias:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the column's alias.
 *
 * Returns: (transfer none) (nullable): the column's alias
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_alias (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_alias:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: (nullable): the new text, copied
 *
 * Sets the column's alias.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_alias (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_after:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the name of the column this one follows.
 *
 * Returns: (transfer none) (nullable): the name of the column this one
 *   follows
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_after (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_after:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: (nullable): the new text, copied
 *
 * Sets the name of the column this one follows.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_after (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_raw_type:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the type as the database spells it.
 *
 * Returns: (transfer none) (nullable): the type as the database spells it
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_raw_type (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_raw_type:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: (nullable): the new text, copied
 *
 * Sets the type as the database spells it.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_raw_type (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_data_type:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the kind of the column's values.
 *
 * Returns: the kind of the column's values
 */
TAVREL_MODEL_API TavrelModelDataDataType tavrel_model_meta_meta_column_get_data_type (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_data_type:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets the kind of the column's values.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_data_type (TavrelModelMetaMetaColumn *self, TavrelModelDataDataType value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_length:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the length or precision.
 *
 * Returns: the length or precision
 */
TAVREL_MODEL_API gint64 tavrel_model_meta_meta_column_get_length (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_length:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets the length or precision.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_length (TavrelModelMetaMetaColumn *self, gint64 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_scale:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the scale.
 *
 * Returns: the scale
 */
TAVREL_MODEL_API guint8 tavrel_model_meta_meta_column_get_scale (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_scale:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets the scale.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_scale (TavrelModelMetaMetaColumn *self, guint8 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_dimension:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the number of dimensions.
 *
 * Returns: the number of dimensions
 */
TAVREL_MODEL_API guint8 tavrel_model_meta_meta_column_get_dimension (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_dimension:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets the number of dimensions.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_dimension (TavrelModelMetaMetaColumn *self, guint8 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_is_unsigned:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Tells whether the numeric type is unsigned.
 *
 * Returns: whether the numeric type is unsigned
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_unsigned (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_is_unsigned:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets whether the numeric type is unsigned.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_unsigned (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_auto_increment:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Tells whether the column counts up by itself.
 *
 * Returns: whether the column counts up by itself
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_auto_increment (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_auto_increment:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets whether the column counts up by itself.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_auto_increment (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_auto_increment_seed:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the first value of an auto-increment column.
 *
 * Returns: the first value of an auto-increment column
 */
TAVREL_MODEL_API guint64 tavrel_model_meta_meta_column_get_auto_increment_seed (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_auto_increment_seed:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets the first value of an auto-increment column.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_auto_increment_seed (TavrelModelMetaMetaColumn *self, guint64 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_identity:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the identity clause.
 *
 * Returns: (transfer none) (nullable): the identity clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_identity (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_identity:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: (nullable): the new text, copied
 *
 * Sets the identity clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_identity (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_default_value:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the default expression.
 *
 * Returns: (transfer none) (nullable): the default expression
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_default_value (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_default_value:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: (nullable): the new text, copied
 *
 * Sets the default expression.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_default_value (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_virtual_type:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the kind of computed column.
 *
 * Returns: (transfer none) (nullable): the kind of computed column
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_virtual_type (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_virtual_type:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: (nullable): the new text, copied
 *
 * Sets the kind of computed column.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_virtual_type (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_expression:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the generation expression of a computed column.
 *
 * Returns: (transfer none) (nullable): the generation expression of a
 *   computed column
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_expression (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_expression:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: (nullable): the new text, copied
 *
 * Sets the generation expression of a computed column.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_expression (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_not_null:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Tells whether the column rejects null.
 *
 * Returns: whether the column rejects null
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_not_null (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_not_null:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets whether the column rejects null.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_not_null (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_is_selected:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets A selection mark for the client's own use.
 *
 * Returns: A selection mark for the client's own use
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_selected (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_is_selected:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets A selection mark for the client's own use.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_selected (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_is_virtual:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Tells whether the column is computed.
 *
 * Returns: whether the column is computed
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_virtual (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_is_virtual:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets whether the column is computed.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_virtual (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_is_user_defined:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Tells whether the column is of a user-defined type.
 *
 * Returns: whether the column is of a user-defined type
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_user_defined (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_is_user_defined:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets whether the column is of a user-defined type.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_user_defined (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_is_primary_key:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Tells whether the column is part of the primary key.
 *
 * Returns: whether the column is part of the primary key
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_primary_key (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_is_primary_key:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets whether the column is part of the primary key.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_primary_key (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_primary_ordinal:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the position of the column within the primary key.
 *
 * Returns: the position of the column within the primary key
 */
TAVREL_MODEL_API guint8 tavrel_model_meta_meta_column_get_primary_ordinal (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_primary_ordinal:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets the position of the column within the primary key.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_primary_ordinal (TavrelModelMetaMetaColumn *self, guint8 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_primary_length:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the key prefix length within the primary key.
 *
 * Returns: the key prefix length within the primary key
 */
TAVREL_MODEL_API guint64 tavrel_model_meta_meta_column_get_primary_length (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_primary_length:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets the key prefix length within the primary key.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_primary_length (TavrelModelMetaMetaColumn *self, guint64 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_primary_order:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the ordering code within the primary key.
 *
 * Returns: the ordering code within the primary key
 */
TAVREL_MODEL_API guint8 tavrel_model_meta_meta_column_get_primary_order (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_primary_order:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets the ordering code within the primary key.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_primary_order (TavrelModelMetaMetaColumn *self, guint8 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_conflict:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the conflict clause.
 *
 * Returns: (transfer none) (nullable): the conflict clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_conflict (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_conflict:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: (nullable): the new text, copied
 *
 * Sets the conflict clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_conflict (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_charset:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the character set.
 *
 * Returns: (transfer none) (nullable): the character set
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_charset (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_charset:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: (nullable): the new text, copied
 *
 * Sets the character set.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_charset (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_collation:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the collation.
 *
 * Returns: (transfer none) (nullable): the collation
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_collation (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_collation:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: (nullable): the new text, copied
 *
 * Sets the collation.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_collation (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_enum_values:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Gets the value list of an enumeration or set type, as one text.
 *
 * Returns: (transfer none) (nullable): the value list of an enumeration or
 *   set type, as one text
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_column_get_enum_values (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_enum_values:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: (nullable): the new text, copied
 *
 * Sets the value list of an enumeration or set type, as one text.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_enum_values (TavrelModelMetaMetaColumn *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_is_binary:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Tells whether the column is binary.
 *
 * Returns: whether the column is binary
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_binary (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_is_binary:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets whether the column is binary.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_binary (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_is_fill_zero:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Tells whether numbers are filled with zeros.
 *
 * Returns: whether numbers are filled with zeros
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_fill_zero (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_is_fill_zero:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets whether numbers are filled with zeros.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_fill_zero (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_update_timestamp:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Tells whether the column is set to the current time on update.
 *
 * Returns: whether the column is set to the current time on update
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_update_timestamp (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_update_timestamp:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets whether the column is set to the current time on update.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_update_timestamp (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_get_is_generated_always:
 * @self: a #TavrelModelMetaMetaColumn
 *
 * Tells whether the column is always generated.
 *
 * Returns: whether the column is always generated
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_column_get_is_generated_always (TavrelModelMetaMetaColumn *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_column_set_is_generated_always:
 * @self: a #TavrelModelMetaMetaColumn
 * @value: the new value
 *
 * Sets whether the column is always generated.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_column_set_is_generated_always (TavrelModelMetaMetaColumn *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Index metadata (Meta/index)
 * ====================================================================== */

/**
 * TavrelModelMetaMetaIndex:
 *
 * The definition of an index, with its columns (or expressions) in key order.
 */
/**
 * TavrelModelMetaMetaIndex:algorithm:
 *
 * The algorithm clause.
 */
/**
 * TavrelModelMetaMetaIndex:class:
 *
 * The index class.
 */
/**
 * TavrelModelMetaMetaIndex:columns:
 *
 * The live list of the indexed columns or expressions (strings), in key
 * order.
 */
/**
 * TavrelModelMetaMetaIndex:entity:
 *
 * The table (or other object) the index belongs to.
 */
/**
 * TavrelModelMetaMetaIndex:include:
 *
 * The include clause.
 */
/**
 * TavrelModelMetaMetaIndex:is-clustered:
 *
 * Whether the index is clustered.
 */
/**
 * TavrelModelMetaMetaIndex:is-concurrent:
 *
 * Whether the index is built concurrently.
 */
/**
 * TavrelModelMetaMetaIndex:is-only:
 *
 * Whether the index covers this table only.
 */
/**
 * TavrelModelMetaMetaIndex:is-visible:
 *
 * Whether the index is visible.
 */
/**
 * TavrelModelMetaMetaIndex:key-block-size:
 *
 * The key block size.
 */
/**
 * TavrelModelMetaMetaIndex:kind:
 *
 * The kind of index.
 */
/**
 * TavrelModelMetaMetaIndex:lock:
 *
 * The lock clause.
 */
/**
 * TavrelModelMetaMetaIndex:method:
 *
 * The index method.
 */
/**
 * TavrelModelMetaMetaIndex:parser:
 *
 * The parser.
 */
/**
 * TavrelModelMetaMetaIndex:table-space:
 *
 * The table space.
 */
/**
 * TavrelModelMetaMetaIndex:where:
 *
 * The predicate of a partial index.
 */
/**
 * TavrelModelMetaMetaIndex:with:
 *
 * The storage-parameter clause.
 */
#define TAVREL_MODEL_META_TYPE_META_INDEX (tavrel_model_meta_meta_index_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaIndex, tavrel_model_meta_meta_index, TAVREL_MODEL_META, META_INDEX, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaIndexClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

/**
 * tavrel_model_meta_meta_index_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaIndex
 */
TAVREL_MODEL_API TavrelModelMetaMetaIndex *tavrel_model_meta_meta_index_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaIndex or a type
 *   derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaIndex *tavrel_model_meta_meta_index_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @entity: the table's name
 * @name: the index's name
 *
 * Creates an index of a table.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaIndex
 */
TAVREL_MODEL_API TavrelModelMetaMetaIndex *tavrel_model_meta_meta_index_new_with_names (const gchar *database, const gchar *schema, const gchar *entity, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaIndex or a type
 *   derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @entity: the table's name
 * @name: the index's name
 *
 * Creates an index of a table, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaIndex *tavrel_model_meta_meta_index_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *entity, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_append:
 * @self: a #TavrelModelMetaMetaIndex
 * @column: the column's name
 *
 * Appends a column (or expression) to the index's columns.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_append (TavrelModelMetaMetaIndex *self, const gchar *column) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_entity:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Gets the table (or other object) the index belongs to.
 *
 * Returns: (transfer none) (nullable): the table (or other object) the index
 *   belongs to
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_entity (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_entity:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: (nullable): the new text, copied
 *
 * Sets the table (or other object) the index belongs to.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_entity (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_class:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Gets the index class.
 *
 * Returns: (transfer none) (nullable): the index class
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_class (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_class:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: (nullable): the new text, copied
 *
 * Sets the index class.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_class (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_method:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Gets the index method.
 *
 * Returns: (transfer none) (nullable): the index method
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_method (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_method:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: (nullable): the new text, copied
 *
 * Sets the index method.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_method (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_parser:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Gets the parser.
 *
 * Returns: (transfer none) (nullable): the parser
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_parser (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_parser:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: (nullable): the new text, copied
 *
 * Sets the parser.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_parser (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_algorithm:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Gets the algorithm clause.
 *
 * Returns: (transfer none) (nullable): the algorithm clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_algorithm (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_algorithm:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: (nullable): the new text, copied
 *
 * Sets the algorithm clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_algorithm (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_lock:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Gets the lock clause.
 *
 * Returns: (transfer none) (nullable): the lock clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_lock (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_lock:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: (nullable): the new text, copied
 *
 * Sets the lock clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_lock (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_where:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Gets the predicate of a partial index.
 *
 * Returns: (transfer none) (nullable): the predicate of a partial index
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_where (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_where:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: (nullable): the new text, copied
 *
 * Sets the predicate of a partial index.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_where (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_table_space:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Gets the table space.
 *
 * Returns: (transfer none) (nullable): the table space
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_table_space (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_table_space:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: (nullable): the new text, copied
 *
 * Sets the table space.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_table_space (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_with:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Gets the storage-parameter clause.
 *
 * Returns: (transfer none) (nullable): the storage-parameter clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_with (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_with:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: (nullable): the new text, copied
 *
 * Sets the storage-parameter clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_with (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_include:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Gets the include clause.
 *
 * Returns: (transfer none) (nullable): the include clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_include (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_include:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: (nullable): the new text, copied
 *
 * Sets the include clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_include (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_kind:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Gets the kind of index.
 *
 * Returns: (transfer none) (nullable): the kind of index
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_index_get_kind (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_kind:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: (nullable): the new text, copied
 *
 * Sets the kind of index.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_kind (TavrelModelMetaMetaIndex *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_is_concurrent:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Tells whether the index is built concurrently.
 *
 * Returns: whether the index is built concurrently
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_index_get_is_concurrent (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_is_concurrent:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: the new value
 *
 * Sets whether the index is built concurrently.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_is_concurrent (TavrelModelMetaMetaIndex *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_is_only:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Tells whether the index covers this table only.
 *
 * Returns: whether the index covers this table only
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_index_get_is_only (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_is_only:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: the new value
 *
 * Sets whether the index covers this table only.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_is_only (TavrelModelMetaMetaIndex *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_is_visible:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Tells whether the index is visible.
 *
 * Returns: whether the index is visible
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_index_get_is_visible (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_is_visible:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: the new value
 *
 * Sets whether the index is visible.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_is_visible (TavrelModelMetaMetaIndex *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_is_clustered:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Tells whether the index is clustered.
 *
 * Returns: whether the index is clustered
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_index_get_is_clustered (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_is_clustered:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: the new value
 *
 * Sets whether the index is clustered.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_is_clustered (TavrelModelMetaMetaIndex *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_key_block_size:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Gets the key block size.
 *
 * Returns: the key block size
 */
TAVREL_MODEL_API guint64 tavrel_model_meta_meta_index_get_key_block_size (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_key_block_size:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: the new value
 *
 * Sets the key block size.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_key_block_size (TavrelModelMetaMetaIndex *self, guint64 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_get_columns:
 * @self: a #TavrelModelMetaMetaIndex
 *
 * Gets the live list of the indexed columns or expressions (strings), in key
 * order.
 *
 * Returns: (transfer none) (nullable): the live list of the indexed columns
 *   or expressions (strings), in key order
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_index_get_columns (TavrelModelMetaMetaIndex *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_index_set_columns:
 * @self: a #TavrelModelMetaMetaIndex
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live list of the indexed columns or expressions (strings), in key
 * order.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_index_set_columns (TavrelModelMetaMetaIndex *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Constraints (Meta/Constraints/)
 * ====================================================================== */

/**
 * TavrelModelMetaMetaConstraint:
 *
 * The common base of every constraint kind; a table keeps its constraints in
 * one list, and their JSON form records each element's class.
 */
#define TAVREL_MODEL_META_TYPE_META_CONSTRAINT (tavrel_model_meta_meta_constraint_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaConstraint, tavrel_model_meta_meta_constraint, TAVREL_MODEL_META, META_CONSTRAINT, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaConstraintClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

/**
 * tavrel_model_meta_meta_constraint_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaConstraint
 */
TAVREL_MODEL_API TavrelModelMetaMetaConstraint *tavrel_model_meta_meta_constraint_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_constraint_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaConstraint or a
 *   type derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaConstraint *tavrel_model_meta_meta_constraint_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_constraint_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaConstraint
 */
TAVREL_MODEL_API TavrelModelMetaMetaConstraint *tavrel_model_meta_meta_constraint_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_constraint_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaConstraint or a
 *   type derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaConstraint *tavrel_model_meta_meta_constraint_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelMetaMetaPrimaryKey:
 *
 * A primary key, with its columns as a list of names.
 */
/**
 * TavrelModelMetaMetaPrimaryKey:columns:
 *
 * The live list of the key's column names (strings).
 */
#define TAVREL_MODEL_META_TYPE_META_PRIMARY_KEY (tavrel_model_meta_meta_primary_key_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaPrimaryKey, tavrel_model_meta_meta_primary_key, TAVREL_MODEL_META, META_PRIMARY_KEY, TavrelModelMetaMetaConstraint)

struct _TavrelModelMetaMetaPrimaryKeyClass {
  TavrelModelMetaMetaConstraintClass parent_class;
};

/**
 * tavrel_model_meta_meta_primary_key_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaPrimaryKey
 */
TAVREL_MODEL_API TavrelModelMetaMetaPrimaryKey *tavrel_model_meta_meta_primary_key_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_primary_key_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaPrimaryKey or a
 *   type derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaPrimaryKey *tavrel_model_meta_meta_primary_key_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_primary_key_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaPrimaryKey
 */
TAVREL_MODEL_API TavrelModelMetaMetaPrimaryKey *tavrel_model_meta_meta_primary_key_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_primary_key_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaPrimaryKey or a
 *   type derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaPrimaryKey *tavrel_model_meta_meta_primary_key_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_primary_key_get_columns:
 * @self: a #TavrelModelMetaMetaPrimaryKey
 *
 * Gets the live list of the key's column names (strings).
 *
 * Returns: (transfer none) (nullable): the live list of the key's column
 *   names (strings)
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_primary_key_get_columns (TavrelModelMetaMetaPrimaryKey *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_primary_key_set_columns:
 * @self: a #TavrelModelMetaMetaPrimaryKey
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live list of the key's column names (strings).
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_primary_key_set_columns (TavrelModelMetaMetaPrimaryKey *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelMetaMetaUnique:
 *
 * A unique key, with its columns as one text.
 */
/**
 * TavrelModelMetaMetaUnique:columns:
 *
 * The key's column list, as one text.
 */
/**
 * TavrelModelMetaMetaUnique:conflict:
 *
 * The conflict clause.
 */
/**
 * TavrelModelMetaMetaUnique:deferrable:
 *
 * The deferrability clause.
 */
/**
 * TavrelModelMetaMetaUnique:include:
 *
 * The include clause.
 */
/**
 * TavrelModelMetaMetaUnique:is-primary-key:
 *
 * Whether the constraint is the primary key.
 */
/**
 * TavrelModelMetaMetaUnique:table-space:
 *
 * The table space.
 */
/**
 * TavrelModelMetaMetaUnique:with:
 *
 * The with clause.
 */
#define TAVREL_MODEL_META_TYPE_META_UNIQUE (tavrel_model_meta_meta_unique_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaUnique, tavrel_model_meta_meta_unique, TAVREL_MODEL_META, META_UNIQUE, TavrelModelMetaMetaConstraint)

struct _TavrelModelMetaMetaUniqueClass {
  TavrelModelMetaMetaConstraintClass parent_class;
};

/**
 * tavrel_model_meta_meta_unique_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaUnique
 */
TAVREL_MODEL_API TavrelModelMetaMetaUnique *tavrel_model_meta_meta_unique_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaUnique or a type
 *   derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaUnique *tavrel_model_meta_meta_unique_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaUnique
 */
TAVREL_MODEL_API TavrelModelMetaMetaUnique *tavrel_model_meta_meta_unique_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaUnique or a type
 *   derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaUnique *tavrel_model_meta_meta_unique_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_get_columns:
 * @self: a #TavrelModelMetaMetaUnique
 *
 * Gets the key's column list, as one text.
 *
 * Returns: (transfer none) (nullable): the key's column list, as one text
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_unique_get_columns (TavrelModelMetaMetaUnique *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_set_columns:
 * @self: a #TavrelModelMetaMetaUnique
 * @value: (nullable): the new text, copied
 *
 * Sets the key's column list, as one text.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_unique_set_columns (TavrelModelMetaMetaUnique *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_get_conflict:
 * @self: a #TavrelModelMetaMetaUnique
 *
 * Gets the conflict clause.
 *
 * Returns: (transfer none) (nullable): the conflict clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_unique_get_conflict (TavrelModelMetaMetaUnique *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_set_conflict:
 * @self: a #TavrelModelMetaMetaUnique
 * @value: (nullable): the new text, copied
 *
 * Sets the conflict clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_unique_set_conflict (TavrelModelMetaMetaUnique *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_get_is_primary_key:
 * @self: a #TavrelModelMetaMetaUnique
 *
 * Tells whether the constraint is the primary key.
 *
 * Returns: whether the constraint is the primary key
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_unique_get_is_primary_key (TavrelModelMetaMetaUnique *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_set_is_primary_key:
 * @self: a #TavrelModelMetaMetaUnique
 * @value: the new value
 *
 * Sets whether the constraint is the primary key.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_unique_set_is_primary_key (TavrelModelMetaMetaUnique *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_get_table_space:
 * @self: a #TavrelModelMetaMetaUnique
 *
 * Gets the table space.
 *
 * Returns: (transfer none) (nullable): the table space
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_unique_get_table_space (TavrelModelMetaMetaUnique *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_set_table_space:
 * @self: a #TavrelModelMetaMetaUnique
 * @value: (nullable): the new text, copied
 *
 * Sets the table space.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_unique_set_table_space (TavrelModelMetaMetaUnique *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_get_with:
 * @self: a #TavrelModelMetaMetaUnique
 *
 * Gets the with clause.
 *
 * Returns: (transfer none) (nullable): the with clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_unique_get_with (TavrelModelMetaMetaUnique *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_set_with:
 * @self: a #TavrelModelMetaMetaUnique
 * @value: (nullable): the new text, copied
 *
 * Sets the with clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_unique_set_with (TavrelModelMetaMetaUnique *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_get_include:
 * @self: a #TavrelModelMetaMetaUnique
 *
 * Gets the include clause.
 *
 * Returns: (transfer none) (nullable): the include clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_unique_get_include (TavrelModelMetaMetaUnique *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_set_include:
 * @self: a #TavrelModelMetaMetaUnique
 * @value: (nullable): the new text, copied
 *
 * Sets the include clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_unique_set_include (TavrelModelMetaMetaUnique *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_get_deferrable:
 * @self: a #TavrelModelMetaMetaUnique
 *
 * Gets the deferrability clause.
 *
 * Returns: (transfer none) (nullable): the deferrability clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_unique_get_deferrable (TavrelModelMetaMetaUnique *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_unique_set_deferrable:
 * @self: a #TavrelModelMetaMetaUnique
 * @value: (nullable): the new text, copied
 *
 * Sets the deferrability clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_unique_set_deferrable (TavrelModelMetaMetaUnique *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelMetaMetaForeignKey:
 *
 * A foreign key: the referencing columns and the referenced table and
 * columns, with its actions.
 */
/**
 * TavrelModelMetaMetaForeignKey:deferrable:
 *
 * The deferrability clause.
 */
/**
 * TavrelModelMetaMetaForeignKey:delete-action:
 *
 * The action on delete.
 */
/**
 * TavrelModelMetaMetaForeignKey:local-columns:
 *
 * The referencing columns, as one text.
 */
/**
 * TavrelModelMetaMetaForeignKey:match-method:
 *
 * The match clause.
 */
/**
 * TavrelModelMetaMetaForeignKey:refer-columns:
 *
 * The referenced columns, as one text.
 */
/**
 * TavrelModelMetaMetaForeignKey:refer-database:
 *
 * The database of the referenced table.
 */
/**
 * TavrelModelMetaMetaForeignKey:refer-schema:
 *
 * The schema of the referenced table.
 */
/**
 * TavrelModelMetaMetaForeignKey:refer-table:
 *
 * The referenced table.
 */
/**
 * TavrelModelMetaMetaForeignKey:update-action:
 *
 * The action on update.
 */
#define TAVREL_MODEL_META_TYPE_META_FOREIGN_KEY (tavrel_model_meta_meta_foreign_key_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaForeignKey, tavrel_model_meta_meta_foreign_key, TAVREL_MODEL_META, META_FOREIGN_KEY, TavrelModelMetaMetaConstraint)

struct _TavrelModelMetaMetaForeignKeyClass {
  TavrelModelMetaMetaConstraintClass parent_class;
};

/**
 * tavrel_model_meta_meta_foreign_key_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaForeignKey
 */
TAVREL_MODEL_API TavrelModelMetaMetaForeignKey *tavrel_model_meta_meta_foreign_key_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaForeignKey or a
 *   type derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaForeignKey *tavrel_model_meta_meta_foreign_key_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaForeignKey
 */
TAVREL_MODEL_API TavrelModelMetaMetaForeignKey *tavrel_model_meta_meta_foreign_key_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaForeignKey or a
 *   type derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaForeignKey *tavrel_model_meta_meta_foreign_key_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_new_with_refer:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the key's name
 * @refer_schema: the referenced table's schema
 * @refer_table: the referenced table
 *
 * Creates a foreign key that refers to a table.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaForeignKey
 */
TAVREL_MODEL_API TavrelModelMetaMetaForeignKey *tavrel_model_meta_meta_foreign_key_new_with_refer (const gchar *database, const gchar *schema, const gchar *name, const gchar *refer_schema, const gchar *refer_table) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_construct_with_refer: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaForeignKey or a
 *   type derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the key's name
 * @refer_schema: the referenced table's schema
 * @refer_table: the referenced table
 *
 * Creates a foreign key that refers to a table, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaForeignKey *tavrel_model_meta_meta_foreign_key_construct_with_refer (GType object_type, const gchar *database, const gchar *schema, const gchar *name, const gchar *refer_schema, const gchar *refer_table) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_get_refer_database:
 * @self: a #TavrelModelMetaMetaForeignKey
 *
 * Gets the database of the referenced table.
 *
 * Returns: (transfer none) (nullable): the database of the referenced table
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_refer_database (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_set_refer_database:
 * @self: a #TavrelModelMetaMetaForeignKey
 * @value: (nullable): the new text, copied
 *
 * Sets the database of the referenced table.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_refer_database (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_get_refer_schema:
 * @self: a #TavrelModelMetaMetaForeignKey
 *
 * Gets the schema of the referenced table.
 *
 * Returns: (transfer none) (nullable): the schema of the referenced table
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_refer_schema (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_set_refer_schema:
 * @self: a #TavrelModelMetaMetaForeignKey
 * @value: (nullable): the new text, copied
 *
 * Sets the schema of the referenced table.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_refer_schema (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_get_refer_table:
 * @self: a #TavrelModelMetaMetaForeignKey
 *
 * Gets the referenced table.
 *
 * Returns: (transfer none) (nullable): the referenced table
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_refer_table (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_set_refer_table:
 * @self: a #TavrelModelMetaMetaForeignKey
 * @value: (nullable): the new text, copied
 *
 * Sets the referenced table.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_refer_table (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_get_local_columns:
 * @self: a #TavrelModelMetaMetaForeignKey
 *
 * Gets the referencing columns, as one text.
 *
 * Returns: (transfer none) (nullable): the referencing columns, as one text
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_local_columns (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_set_local_columns:
 * @self: a #TavrelModelMetaMetaForeignKey
 * @value: (nullable): the new text, copied
 *
 * Sets the referencing columns, as one text.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_local_columns (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_get_refer_columns:
 * @self: a #TavrelModelMetaMetaForeignKey
 *
 * Gets the referenced columns, as one text.
 *
 * Returns: (transfer none) (nullable): the referenced columns, as one text
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_refer_columns (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_set_refer_columns:
 * @self: a #TavrelModelMetaMetaForeignKey
 * @value: (nullable): the new text, copied
 *
 * Sets the referenced columns, as one text.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_refer_columns (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_get_match_method:
 * @self: a #TavrelModelMetaMetaForeignKey
 *
 * Gets the match clause.
 *
 * Returns: (transfer none) (nullable): the match clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_match_method (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_set_match_method:
 * @self: a #TavrelModelMetaMetaForeignKey
 * @value: (nullable): the new text, copied
 *
 * Sets the match clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_match_method (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_get_delete_action:
 * @self: a #TavrelModelMetaMetaForeignKey
 *
 * Gets the action on delete.
 *
 * Returns: (transfer none) (nullable): the action on delete
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_delete_action (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_set_delete_action:
 * @self: a #TavrelModelMetaMetaForeignKey
 * @value: (nullable): the new text, copied
 *
 * Sets the action on delete.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_delete_action (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_get_update_action:
 * @self: a #TavrelModelMetaMetaForeignKey
 *
 * Gets the action on update.
 *
 * Returns: (transfer none) (nullable): the action on update
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_update_action (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_set_update_action:
 * @self: a #TavrelModelMetaMetaForeignKey
 * @value: (nullable): the new text, copied
 *
 * Sets the action on update.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_update_action (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_get_deferrable:
 * @self: a #TavrelModelMetaMetaForeignKey
 *
 * Gets the deferrability clause.
 *
 * Returns: (transfer none) (nullable): the deferrability clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_foreign_key_get_deferrable (TavrelModelMetaMetaForeignKey *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_foreign_key_set_deferrable:
 * @self: a #TavrelModelMetaMetaForeignKey
 * @value: (nullable): the new text, copied
 *
 * Sets the deferrability clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_foreign_key_set_deferrable (TavrelModelMetaMetaForeignKey *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelMetaMetaCheck:
 *
 * A check constraint holding a condition expression.
 */
/**
 * TavrelModelMetaMetaCheck:check:
 *
 * The condition expression.
 */
/**
 * TavrelModelMetaMetaCheck:deferrable:
 *
 * The deferrability clause.
 */
/**
 * TavrelModelMetaMetaCheck:enforced:
 *
 * Whether the condition is enforced.
 */
/**
 * TavrelModelMetaMetaCheck:no-inherit:
 *
 * Whether the constraint is not inherited.
 */
#define TAVREL_MODEL_META_TYPE_META_CHECK (tavrel_model_meta_meta_check_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaCheck, tavrel_model_meta_meta_check, TAVREL_MODEL_META, META_CHECK, TavrelModelMetaMetaConstraint)

struct _TavrelModelMetaMetaCheckClass {
  TavrelModelMetaMetaConstraintClass parent_class;
};

/**
 * tavrel_model_meta_meta_check_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaCheck
 */
TAVREL_MODEL_API TavrelModelMetaMetaCheck *tavrel_model_meta_meta_check_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_check_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaCheck or a type
 *   derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaCheck *tavrel_model_meta_meta_check_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_check_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the constraint's name
 * @expr: the condition expression
 *
 * Creates a check constraint with its condition.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaCheck
 */
TAVREL_MODEL_API TavrelModelMetaMetaCheck *tavrel_model_meta_meta_check_new_with_names (const gchar *database, const gchar *schema, const gchar *name, const gchar *expr) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_check_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaCheck or a type
 *   derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the constraint's name
 * @expr: the condition expression
 *
 * Creates a check constraint with its condition, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaCheck *tavrel_model_meta_meta_check_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name, const gchar *expr) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_check_get_enforced:
 * @self: a #TavrelModelMetaMetaCheck
 *
 * Tells whether the condition is enforced.
 *
 * Returns: whether the condition is enforced
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_check_get_enforced (TavrelModelMetaMetaCheck *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_check_set_enforced:
 * @self: a #TavrelModelMetaMetaCheck
 * @value: the new value
 *
 * Sets whether the condition is enforced.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_check_set_enforced (TavrelModelMetaMetaCheck *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_check_get_no_inherit:
 * @self: a #TavrelModelMetaMetaCheck
 *
 * Tells whether the constraint is not inherited.
 *
 * Returns: whether the constraint is not inherited
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_check_get_no_inherit (TavrelModelMetaMetaCheck *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_check_set_no_inherit:
 * @self: a #TavrelModelMetaMetaCheck
 * @value: the new value
 *
 * Sets whether the constraint is not inherited.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_check_set_no_inherit (TavrelModelMetaMetaCheck *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_check_get_check:
 * @self: a #TavrelModelMetaMetaCheck
 *
 * Gets the condition expression.
 *
 * Returns: (transfer none) (nullable): the condition expression
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_check_get_check (TavrelModelMetaMetaCheck *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_check_set_check:
 * @self: a #TavrelModelMetaMetaCheck
 * @value: (nullable): the new text, copied
 *
 * Sets the condition expression.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_check_set_check (TavrelModelMetaMetaCheck *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_check_get_deferrable:
 * @self: a #TavrelModelMetaMetaCheck
 *
 * Gets the deferrability clause.
 *
 * Returns: (transfer none) (nullable): the deferrability clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_check_get_deferrable (TavrelModelMetaMetaCheck *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_check_set_deferrable:
 * @self: a #TavrelModelMetaMetaCheck
 * @value: (nullable): the new text, copied
 *
 * Sets the deferrability clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_check_set_deferrable (TavrelModelMetaMetaCheck *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelMetaMetaExclude:
 *
 * An exclusion constraint holding its element list and index options.
 */
/**
 * TavrelModelMetaMetaExclude:deferrable:
 *
 * The deferrability clause.
 */
/**
 * TavrelModelMetaMetaExclude:elements:
 *
 * The exclusion elements, as one text.
 */
/**
 * TavrelModelMetaMetaExclude:include:
 *
 * The include clause.
 */
/**
 * TavrelModelMetaMetaExclude:index-method:
 *
 * The index method.
 */
/**
 * TavrelModelMetaMetaExclude:table-space:
 *
 * The table space.
 */
/**
 * TavrelModelMetaMetaExclude:where:
 *
 * The predicate.
 */
/**
 * TavrelModelMetaMetaExclude:with:
 *
 * The with clause.
 */
#define TAVREL_MODEL_META_TYPE_META_EXCLUDE (tavrel_model_meta_meta_exclude_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaExclude, tavrel_model_meta_meta_exclude, TAVREL_MODEL_META, META_EXCLUDE, TavrelModelMetaMetaConstraint)

struct _TavrelModelMetaMetaExcludeClass {
  TavrelModelMetaMetaConstraintClass parent_class;
};

/**
 * tavrel_model_meta_meta_exclude_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaExclude
 */
TAVREL_MODEL_API TavrelModelMetaMetaExclude *tavrel_model_meta_meta_exclude_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaExclude or a
 *   type derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaExclude *tavrel_model_meta_meta_exclude_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaExclude
 */
TAVREL_MODEL_API TavrelModelMetaMetaExclude *tavrel_model_meta_meta_exclude_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaExclude or a
 *   type derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaExclude *tavrel_model_meta_meta_exclude_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_get_index_method:
 * @self: a #TavrelModelMetaMetaExclude
 *
 * Gets the index method.
 *
 * Returns: (transfer none) (nullable): the index method
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_exclude_get_index_method (TavrelModelMetaMetaExclude *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_set_index_method:
 * @self: a #TavrelModelMetaMetaExclude
 * @value: (nullable): the new text, copied
 *
 * Sets the index method.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_exclude_set_index_method (TavrelModelMetaMetaExclude *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_get_table_space:
 * @self: a #TavrelModelMetaMetaExclude
 *
 * Gets the table space.
 *
 * Returns: (transfer none) (nullable): the table space
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_exclude_get_table_space (TavrelModelMetaMetaExclude *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_set_table_space:
 * @self: a #TavrelModelMetaMetaExclude
 * @value: (nullable): the new text, copied
 *
 * Sets the table space.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_exclude_set_table_space (TavrelModelMetaMetaExclude *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_get_with:
 * @self: a #TavrelModelMetaMetaExclude
 *
 * Gets the with clause.
 *
 * Returns: (transfer none) (nullable): the with clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_exclude_get_with (TavrelModelMetaMetaExclude *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_set_with:
 * @self: a #TavrelModelMetaMetaExclude
 * @value: (nullable): the new text, copied
 *
 * Sets the with clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_exclude_set_with (TavrelModelMetaMetaExclude *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_get_include:
 * @self: a #TavrelModelMetaMetaExclude
 *
 * Gets the include clause.
 *
 * Returns: (transfer none) (nullable): the include clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_exclude_get_include (TavrelModelMetaMetaExclude *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_set_include:
 * @self: a #TavrelModelMetaMetaExclude
 * @value: (nullable): the new text, copied
 *
 * Sets the include clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_exclude_set_include (TavrelModelMetaMetaExclude *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_get_where:
 * @self: a #TavrelModelMetaMetaExclude
 *
 * Gets the predicate.
 *
 * Returns: (transfer none) (nullable): the predicate
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_exclude_get_where (TavrelModelMetaMetaExclude *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_set_where:
 * @self: a #TavrelModelMetaMetaExclude
 * @value: (nullable): the new text, copied
 *
 * Sets the predicate.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_exclude_set_where (TavrelModelMetaMetaExclude *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_get_deferrable:
 * @self: a #TavrelModelMetaMetaExclude
 *
 * Gets the deferrability clause.
 *
 * Returns: (transfer none) (nullable): the deferrability clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_exclude_get_deferrable (TavrelModelMetaMetaExclude *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_set_deferrable:
 * @self: a #TavrelModelMetaMetaExclude
 * @value: (nullable): the new text, copied
 *
 * Sets the deferrability clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_exclude_set_deferrable (TavrelModelMetaMetaExclude *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_get_elements:
 * @self: a #TavrelModelMetaMetaExclude
 *
 * Gets the exclusion elements, as one text.
 *
 * Returns: (transfer none) (nullable): the exclusion elements, as one text
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_exclude_get_elements (TavrelModelMetaMetaExclude *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_exclude_set_elements:
 * @self: a #TavrelModelMetaMetaExclude
 * @value: (nullable): the new text, copied
 *
 * Sets the exclusion elements, as one text.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_exclude_set_elements (TavrelModelMetaMetaExclude *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Triggers (Meta/trigger)
 * ====================================================================== */

/**
 * TavrelModelMetaMetaTrigger:
 *
 * The definition of a trigger; every clause is kept as the caller supplies
 * it.
 */
/**
 * TavrelModelMetaMetaTrigger:apply:
 *
 * The apply clause.
 */
/**
 * TavrelModelMetaMetaTrigger:arguments:
 *
 * The arguments, as one text.
 */
/**
 * TavrelModelMetaMetaTrigger:body:
 *
 * The trigger body.
 */
/**
 * TavrelModelMetaMetaTrigger:columns:
 *
 * The column list of the event, as one text.
 */
/**
 * TavrelModelMetaMetaTrigger:constraint:
 *
 * Whether it is a constraint trigger.
 */
/**
 * TavrelModelMetaMetaTrigger:deferrable:
 *
 * The deferrability clause.
 */
/**
 * TavrelModelMetaMetaTrigger:deferred:
 *
 * The deferred clause.
 */
/**
 * TavrelModelMetaMetaTrigger:definer:
 *
 * The definer.
 */
/**
 * TavrelModelMetaMetaTrigger:enable:
 *
 * Whether the trigger is enabled.
 */
/**
 * TavrelModelMetaMetaTrigger:event:
 *
 * The triggering event.
 */
/**
 * TavrelModelMetaMetaTrigger:for-each:
 *
 * The for-each clause.
 */
/**
 * TavrelModelMetaMetaTrigger:function:
 *
 * The function the trigger calls.
 */
/**
 * TavrelModelMetaMetaTrigger:kind:
 *
 * The trigger kind.
 */
/**
 * TavrelModelMetaMetaTrigger:order:
 *
 * The order clause.
 */
/**
 * TavrelModelMetaMetaTrigger:refer-table:
 *
 * The referenced table.
 */
/**
 * TavrelModelMetaMetaTrigger:target:
 *
 * The object the trigger fires on.
 */
/**
 * TavrelModelMetaMetaTrigger:timing:
 *
 * When the trigger fires (before, after, instead of).
 */
/**
 * TavrelModelMetaMetaTrigger:trigger:
 *
 * The trigger clause.
 */
/**
 * TavrelModelMetaMetaTrigger:when:
 *
 * The condition.
 */
#define TAVREL_MODEL_META_TYPE_META_TRIGGER (tavrel_model_meta_meta_trigger_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaTrigger, tavrel_model_meta_meta_trigger, TAVREL_MODEL_META, META_TRIGGER, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaTriggerClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

/**
 * tavrel_model_meta_meta_trigger_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaTrigger
 */
TAVREL_MODEL_API TavrelModelMetaMetaTrigger *tavrel_model_meta_meta_trigger_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaTrigger or a
 *   type derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaTrigger *tavrel_model_meta_meta_trigger_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaTrigger
 */
TAVREL_MODEL_API TavrelModelMetaMetaTrigger *tavrel_model_meta_meta_trigger_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaTrigger or a
 *   type derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaTrigger *tavrel_model_meta_meta_trigger_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_new_with_body:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the trigger's name
 * @body: the trigger body
 *
 * Creates a trigger with its body.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaTrigger
 */
TAVREL_MODEL_API TavrelModelMetaMetaTrigger *tavrel_model_meta_meta_trigger_new_with_body (const gchar *database, const gchar *schema, const gchar *name, const gchar *body) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_construct_with_body: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaTrigger or a
 *   type derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the trigger's name
 * @body: the trigger body
 *
 * Creates a trigger with its body, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaTrigger *tavrel_model_meta_meta_trigger_construct_with_body (GType object_type, const gchar *database, const gchar *schema, const gchar *name, const gchar *body) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_kind:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the trigger kind.
 *
 * Returns: (transfer none) (nullable): the trigger kind
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_kind (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_kind:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the trigger kind.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_kind (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_target:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the object the trigger fires on.
 *
 * Returns: (transfer none) (nullable): the object the trigger fires on
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_target (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_target:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the object the trigger fires on.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_target (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_body:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the trigger body.
 *
 * Returns: (transfer none) (nullable): the trigger body
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_body (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_body:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the trigger body.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_body (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_definer:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the definer.
 *
 * Returns: (transfer none) (nullable): the definer
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_definer (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_definer:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the definer.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_definer (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_timing:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets when the trigger fires (before, after, instead of).
 *
 * Returns: (transfer none) (nullable): when the trigger fires (before, after,
 *   instead of)
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_timing (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_timing:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets when the trigger fires (before, after, instead of).
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_timing (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_event:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the triggering event.
 *
 * Returns: (transfer none) (nullable): the triggering event
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_event (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_event:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the triggering event.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_event (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_when:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the condition.
 *
 * Returns: (transfer none) (nullable): the condition
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_when (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_when:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the condition.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_when (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_order:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the order clause.
 *
 * Returns: (transfer none) (nullable): the order clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_order (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_order:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the order clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_order (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_trigger:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the trigger clause.
 *
 * Returns: (transfer none) (nullable): the trigger clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_trigger (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_trigger:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the trigger clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_trigger (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_columns:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the column list of the event, as one text.
 *
 * Returns: (transfer none) (nullable): the column list of the event, as one
 *   text
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_columns (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_columns:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the column list of the event, as one text.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_columns (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_deferrable:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the deferrability clause.
 *
 * Returns: (transfer none) (nullable): the deferrability clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_deferrable (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_deferrable:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the deferrability clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_deferrable (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_deferred:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the deferred clause.
 *
 * Returns: (transfer none) (nullable): the deferred clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_deferred (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_deferred:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the deferred clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_deferred (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_function:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the function the trigger calls.
 *
 * Returns: (transfer none) (nullable): the function the trigger calls
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_function (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_function:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the function the trigger calls.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_function (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_arguments:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the arguments, as one text.
 *
 * Returns: (transfer none) (nullable): the arguments, as one text
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_arguments (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_arguments:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the arguments, as one text.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_arguments (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_for_each:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the for-each clause.
 *
 * Returns: (transfer none) (nullable): the for-each clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_for_each (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_for_each:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the for-each clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_for_each (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_refer_table:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the referenced table.
 *
 * Returns: (transfer none) (nullable): the referenced table
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_refer_table (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_refer_table:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the referenced table.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_refer_table (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_constraint:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Tells whether it is a constraint trigger.
 *
 * Returns: whether it is a constraint trigger
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_trigger_get_constraint (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_constraint:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: the new value
 *
 * Sets whether it is a constraint trigger.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_constraint (TavrelModelMetaMetaTrigger *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_apply:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Gets the apply clause.
 *
 * Returns: (transfer none) (nullable): the apply clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_trigger_get_apply (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_apply:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: (nullable): the new text, copied
 *
 * Sets the apply clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_apply (TavrelModelMetaMetaTrigger *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_get_enable:
 * @self: a #TavrelModelMetaMetaTrigger
 *
 * Tells whether the trigger is enabled.
 *
 * Returns: whether the trigger is enabled
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_trigger_get_enable (TavrelModelMetaMetaTrigger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_trigger_set_enable:
 * @self: a #TavrelModelMetaMetaTrigger
 * @value: the new value
 *
 * Sets whether the trigger is enabled.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_trigger_set_enable (TavrelModelMetaMetaTrigger *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Rewrite rules (Meta/rule)
 * ====================================================================== */

/**
 * TavrelModelMetaMetaRule:
 *
 * A rewrite rule of a table.
 */
/**
 * TavrelModelMetaMetaRule:action:
 *
 * The action.
 */
/**
 * TavrelModelMetaMetaRule:apply:
 *
 * The apply clause.
 */
/**
 * TavrelModelMetaMetaRule:commands:
 *
 * The rule's commands.
 */
/**
 * TavrelModelMetaMetaRule:enable:
 *
 * Whether the rule is enabled.
 */
/**
 * TavrelModelMetaMetaRule:event:
 *
 * The event.
 */
/**
 * TavrelModelMetaMetaRule:where:
 *
 * The condition.
 */
#define TAVREL_MODEL_META_TYPE_META_RULE (tavrel_model_meta_meta_rule_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaRule, tavrel_model_meta_meta_rule, TAVREL_MODEL_META, META_RULE, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaRuleClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

/**
 * tavrel_model_meta_meta_rule_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaRule
 */
TAVREL_MODEL_API TavrelModelMetaMetaRule *tavrel_model_meta_meta_rule_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_rule_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaRule or a type
 *   derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaRule *tavrel_model_meta_meta_rule_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_rule_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaRule
 */
TAVREL_MODEL_API TavrelModelMetaMetaRule *tavrel_model_meta_meta_rule_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_rule_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaRule or a type
 *   derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaRule *tavrel_model_meta_meta_rule_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_rule_get_commands:
 * @self: a #TavrelModelMetaMetaRule
 *
 * Gets the rule's commands.
 *
 * Returns: (transfer none) (nullable): the rule's commands
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_rule_get_commands (TavrelModelMetaMetaRule *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_rule_set_commands:
 * @self: a #TavrelModelMetaMetaRule
 * @value: (nullable): the new text, copied
 *
 * Sets the rule's commands.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_rule_set_commands (TavrelModelMetaMetaRule *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_rule_get_action:
 * @self: a #TavrelModelMetaMetaRule
 *
 * Gets the action.
 *
 * Returns: (transfer none) (nullable): the action
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_rule_get_action (TavrelModelMetaMetaRule *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_rule_set_action:
 * @self: a #TavrelModelMetaMetaRule
 * @value: (nullable): the new text, copied
 *
 * Sets the action.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_rule_set_action (TavrelModelMetaMetaRule *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_rule_get_event:
 * @self: a #TavrelModelMetaMetaRule
 *
 * Gets the event.
 *
 * Returns: (transfer none) (nullable): the event
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_rule_get_event (TavrelModelMetaMetaRule *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_rule_set_event:
 * @self: a #TavrelModelMetaMetaRule
 * @value: (nullable): the new text, copied
 *
 * Sets the event.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_rule_set_event (TavrelModelMetaMetaRule *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_rule_get_where:
 * @self: a #TavrelModelMetaMetaRule
 *
 * Gets the condition.
 *
 * Returns: (transfer none) (nullable): the condition
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_rule_get_where (TavrelModelMetaMetaRule *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_rule_set_where:
 * @self: a #TavrelModelMetaMetaRule
 * @value: (nullable): the new text, copied
 *
 * Sets the condition.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_rule_set_where (TavrelModelMetaMetaRule *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_rule_get_apply:
 * @self: a #TavrelModelMetaMetaRule
 *
 * Gets the apply clause.
 *
 * Returns: (transfer none) (nullable): the apply clause
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_rule_get_apply (TavrelModelMetaMetaRule *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_rule_set_apply:
 * @self: a #TavrelModelMetaMetaRule
 * @value: (nullable): the new text, copied
 *
 * Sets the apply clause.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_rule_set_apply (TavrelModelMetaMetaRule *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_rule_get_enable:
 * @self: a #TavrelModelMetaMetaRule
 *
 * Tells whether the rule is enabled.
 *
 * Returns: whether the rule is enabled
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_meta_rule_get_enable (TavrelModelMetaMetaRule *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_rule_set_enable:
 * @self: a #TavrelModelMetaMetaRule
 * @value: the new value
 *
 * Sets whether the rule is enabled.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_rule_set_enable (TavrelModelMetaMetaRule *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Scheduled events (Meta/event)
 * ====================================================================== */

/**
 * TavrelModelMetaMetaEvent:
 *
 * A scheduled event of a schema.
 */
/**
 * TavrelModelMetaMetaEvent:body:
 *
 * The event body.
 */
/**
 * TavrelModelMetaMetaEvent:completion:
 *
 * What happens on completion.
 */
/**
 * TavrelModelMetaMetaEvent:definer:
 *
 * The definer.
 */
/**
 * TavrelModelMetaMetaEvent:kind:
 *
 * The event kind.
 */
/**
 * TavrelModelMetaMetaEvent:schedule:
 *
 * The schedule.
 */
/**
 * TavrelModelMetaMetaEvent:state:
 *
 * The state.
 */
#define TAVREL_MODEL_META_TYPE_META_EVENT (tavrel_model_meta_meta_event_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaEvent, tavrel_model_meta_meta_event, TAVREL_MODEL_META, META_EVENT, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaEventClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

/**
 * tavrel_model_meta_meta_event_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaEvent
 */
TAVREL_MODEL_API TavrelModelMetaMetaEvent *tavrel_model_meta_meta_event_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_event_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaEvent or a type
 *   derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaEvent *tavrel_model_meta_meta_event_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_event_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaEvent
 */
TAVREL_MODEL_API TavrelModelMetaMetaEvent *tavrel_model_meta_meta_event_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_event_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaEvent or a type
 *   derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaEvent *tavrel_model_meta_meta_event_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_event_get_kind:
 * @self: a #TavrelModelMetaMetaEvent
 *
 * Gets the event kind.
 *
 * Returns: (transfer none) (nullable): the event kind
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_event_get_kind (TavrelModelMetaMetaEvent *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_event_set_kind:
 * @self: a #TavrelModelMetaMetaEvent
 * @value: (nullable): the new text, copied
 *
 * Sets the event kind.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_event_set_kind (TavrelModelMetaMetaEvent *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_event_get_body:
 * @self: a #TavrelModelMetaMetaEvent
 *
 * Gets the event body.
 *
 * Returns: (transfer none) (nullable): the event body
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_event_get_body (TavrelModelMetaMetaEvent *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_event_set_body:
 * @self: a #TavrelModelMetaMetaEvent
 * @value: (nullable): the new text, copied
 *
 * Sets the event body.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_event_set_body (TavrelModelMetaMetaEvent *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_event_get_definer:
 * @self: a #TavrelModelMetaMetaEvent
 *
 * Gets the definer.
 *
 * Returns: (transfer none) (nullable): the definer
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_event_get_definer (TavrelModelMetaMetaEvent *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_event_set_definer:
 * @self: a #TavrelModelMetaMetaEvent
 * @value: (nullable): the new text, copied
 *
 * Sets the definer.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_event_set_definer (TavrelModelMetaMetaEvent *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_event_get_state:
 * @self: a #TavrelModelMetaMetaEvent
 *
 * Gets the state.
 *
 * Returns: (transfer none) (nullable): the state
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_event_get_state (TavrelModelMetaMetaEvent *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_event_set_state:
 * @self: a #TavrelModelMetaMetaEvent
 * @value: (nullable): the new text, copied
 *
 * Sets the state.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_event_set_state (TavrelModelMetaMetaEvent *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_event_get_schedule:
 * @self: a #TavrelModelMetaMetaEvent
 *
 * Gets the schedule.
 *
 * Returns: (transfer none) (nullable): the schedule
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_event_get_schedule (TavrelModelMetaMetaEvent *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_event_set_schedule:
 * @self: a #TavrelModelMetaMetaEvent
 * @value: (nullable): the new text, copied
 *
 * Sets the schedule.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_event_set_schedule (TavrelModelMetaMetaEvent *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_event_get_completion:
 * @self: a #TavrelModelMetaMetaEvent
 *
 * Gets what happens on completion.
 *
 * Returns: (transfer none) (nullable): what happens on completion
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_event_get_completion (TavrelModelMetaMetaEvent *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_event_set_completion:
 * @self: a #TavrelModelMetaMetaEvent
 * @value: (nullable): the new text, copied
 *
 * Sets what happens on completion.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_event_set_completion (TavrelModelMetaMetaEvent *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Synonyms (Meta/synonym)
 * ====================================================================== */

/**
 * TavrelModelMetaMetaSynonym:
 *
 * A synonym: another name for an object.
 */
/**
 * TavrelModelMetaMetaSynonym:target:
 *
 * The object the synonym stands for, as text.
 */
#define TAVREL_MODEL_META_TYPE_META_SYNONYM (tavrel_model_meta_meta_synonym_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaSynonym, tavrel_model_meta_meta_synonym, TAVREL_MODEL_META, META_SYNONYM, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaSynonymClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

/**
 * tavrel_model_meta_meta_synonym_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaSynonym
 */
TAVREL_MODEL_API TavrelModelMetaMetaSynonym *tavrel_model_meta_meta_synonym_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_synonym_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaSynonym or a
 *   type derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaSynonym *tavrel_model_meta_meta_synonym_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_synonym_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaSynonym
 */
TAVREL_MODEL_API TavrelModelMetaMetaSynonym *tavrel_model_meta_meta_synonym_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_synonym_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaSynonym or a
 *   type derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaSynonym *tavrel_model_meta_meta_synonym_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_synonym_get_target:
 * @self: a #TavrelModelMetaMetaSynonym
 *
 * Gets the object the synonym stands for, as text.
 *
 * Returns: (transfer none) (nullable): the object the synonym stands for, as
 *   text
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_synonym_get_target (TavrelModelMetaMetaSynonym *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_synonym_set_target:
 * @self: a #TavrelModelMetaMetaSynonym
 * @value: (nullable): the new text, copied
 *
 * Sets the object the synonym stands for, as text.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_synonym_set_target (TavrelModelMetaMetaSynonym *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Tables (Meta/table)
 * ====================================================================== */

/**
 * TavrelModelMetaMetaTable:
 *
 * The definition of a table: its columns, constraints, indexes, rules and
 * triggers, all held in live lists that callers fill directly.
 */
/**
 * TavrelModelMetaMetaTable:columns:
 *
 * The live list of columns (#TavrelModelMetaMetaColumn).
 */
/**
 * TavrelModelMetaMetaTable:constraints:
 *
 * The live list of constraints (#TavrelModelMetaMetaConstraint and its
 * subclasses).
 */
/**
 * TavrelModelMetaMetaTable:indexes:
 *
 * The live list of indexes (#TavrelModelMetaMetaIndex).
 */
/**
 * TavrelModelMetaMetaTable:rules:
 *
 * The live list of rules (#TavrelModelMetaMetaRule).
 */
/**
 * TavrelModelMetaMetaTable:triggers:
 *
 * The live list of triggers (#TavrelModelMetaMetaTrigger).
 */
#define TAVREL_MODEL_META_TYPE_META_TABLE (tavrel_model_meta_meta_table_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaTable, tavrel_model_meta_meta_table, TAVREL_MODEL_META, META_TABLE, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaTableClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

/**
 * tavrel_model_meta_meta_table_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaTable
 */
TAVREL_MODEL_API TavrelModelMetaMetaTable *tavrel_model_meta_meta_table_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaTable or a type
 *   derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaTable *tavrel_model_meta_meta_table_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaTable
 */
TAVREL_MODEL_API TavrelModelMetaMetaTable *tavrel_model_meta_meta_table_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaTable or a type
 *   derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaTable *tavrel_model_meta_meta_table_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_get_column:
 * @self: a #TavrelModelMetaMetaTable
 * @name: the column's name
 *
 * Looks a column up by name.
 *
 * Returns: (transfer full) (nullable): the first column of that name, or
 *   %NULL
 */
TAVREL_MODEL_API TavrelModelMetaMetaColumn *tavrel_model_meta_meta_table_get_column (TavrelModelMetaMetaTable *self, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_new_column:
 * @self: a #TavrelModelMetaMetaTable
 * @name: the column's name
 * @data_type: the kind of its values
 *
 * Creates a column definition and appends it to the table's columns.
 *
 * Returns: (transfer full) (nullable): the new column (the table keeps its
 *   own reference), or %NULL when the table has no column list
 */
TAVREL_MODEL_API TavrelModelMetaMetaColumn *tavrel_model_meta_meta_table_new_column (TavrelModelMetaMetaTable *self, const gchar *name, TavrelModelDataDataType data_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_reset_partial:
 * @self: a #TavrelModelMetaMetaTable
 * @kind: the kind of what to empty
 *
 * Empties one part of the table: its columns for
 * %TAVREL_MODEL_META_DB_OBJECT_COLUMN, or its constraints of one class for
 * %TAVREL_MODEL_META_DB_OBJECT_CHECK, %TAVREL_MODEL_META_DB_OBJECT_EXCLUDE,
 * %TAVREL_MODEL_META_DB_OBJECT_FOREIGN or
 * %TAVREL_MODEL_META_DB_OBJECT_UNIQUE; other kinds change nothing.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_table_reset_partial (TavrelModelMetaMetaTable *self, TavrelModelMetaDBObject kind) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_get_constraints:
 * @self: a #TavrelModelMetaMetaTable
 *
 * Gets the live list of constraints (#TavrelModelMetaMetaConstraint and its
 * subclasses).
 *
 * Returns: (transfer none) (nullable): the live list of constraints
 *   (#TavrelModelMetaMetaConstraint and its subclasses)
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_table_get_constraints (TavrelModelMetaMetaTable *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_set_constraints:
 * @self: a #TavrelModelMetaMetaTable
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live list of constraints (#TavrelModelMetaMetaConstraint and its
 * subclasses).
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_table_set_constraints (TavrelModelMetaMetaTable *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_get_columns:
 * @self: a #TavrelModelMetaMetaTable
 *
 * Gets the live list of columns (#TavrelModelMetaMetaColumn).
 *
 * Returns: (transfer none) (nullable): the live list of columns
 *   (#TavrelModelMetaMetaColumn)
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_table_get_columns (TavrelModelMetaMetaTable *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_set_columns:
 * @self: a #TavrelModelMetaMetaTable
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live list of columns (#TavrelModelMetaMetaColumn).
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_table_set_columns (TavrelModelMetaMetaTable *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_get_indexes:
 * @self: a #TavrelModelMetaMetaTable
 *
 * Gets the live list of indexes (#TavrelModelMetaMetaIndex).
 *
 * Returns: (transfer none) (nullable): the live list of indexes
 *   (#TavrelModelMetaMetaIndex)
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_table_get_indexes (TavrelModelMetaMetaTable *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_set_indexes:
 * @self: a #TavrelModelMetaMetaTable
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live list of indexes (#TavrelModelMetaMetaIndex).
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_table_set_indexes (TavrelModelMetaMetaTable *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_get_rules:
 * @self: a #TavrelModelMetaMetaTable
 *
 * Gets the live list of rules (#TavrelModelMetaMetaRule).
 *
 * Returns: (transfer none) (nullable): the live list of rules
 *   (#TavrelModelMetaMetaRule)
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_table_get_rules (TavrelModelMetaMetaTable *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_set_rules:
 * @self: a #TavrelModelMetaMetaTable
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live list of rules (#TavrelModelMetaMetaRule).
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_table_set_rules (TavrelModelMetaMetaTable *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_get_triggers:
 * @self: a #TavrelModelMetaMetaTable
 *
 * Gets the live list of triggers (#TavrelModelMetaMetaTrigger).
 *
 * Returns: (transfer none) (nullable): the live list of triggers
 *   (#TavrelModelMetaMetaTrigger)
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_table_get_triggers (TavrelModelMetaMetaTable *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_table_set_triggers:
 * @self: a #TavrelModelMetaMetaTable
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live list of triggers (#TavrelModelMetaMetaTrigger).
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_table_set_triggers (TavrelModelMetaMetaTable *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Views and materialized views (Meta/view)
 * ====================================================================== */

/**
 * TavrelModelMetaMetaView:
 *
 * A view. Setting its definition derives the result columns from the select
 * list; a definition in which nothing is found keeps the previous columns.
 */
/**
 * TavrelModelMetaMetaView:columns:
 *
 * The live list of columns (#TavrelModelMetaMetaColumn) derived from the
 * definition.
 */
/**
 * TavrelModelMetaMetaView:definition:
 *
 * The defining query text; setting it derives
 * #TavrelModelMetaMetaView:columns.
 */
#define TAVREL_MODEL_META_TYPE_META_VIEW (tavrel_model_meta_meta_view_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaView, tavrel_model_meta_meta_view, TAVREL_MODEL_META, META_VIEW, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaViewClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

/**
 * tavrel_model_meta_meta_view_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaView
 */
TAVREL_MODEL_API TavrelModelMetaMetaView *tavrel_model_meta_meta_view_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_view_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaView or a type
 *   derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaView *tavrel_model_meta_meta_view_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_view_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaView
 */
TAVREL_MODEL_API TavrelModelMetaMetaView *tavrel_model_meta_meta_view_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_view_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaView or a type
 *   derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaView *tavrel_model_meta_meta_view_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_view_get_definition:
 * @self: a #TavrelModelMetaMetaView
 *
 * Gets the defining query text; setting it derives
 * #TavrelModelMetaMetaView:columns.
 *
 * Returns: (transfer none) (nullable): the defining query text; setting it
 *   derives #TavrelModelMetaMetaView:columns
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_view_get_definition (TavrelModelMetaMetaView *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_view_set_definition:
 * @self: a #TavrelModelMetaMetaView
 * @value: (nullable): the new text, copied
 *
 * Sets the defining query text; setting it derives
 * #TavrelModelMetaMetaView:columns.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_view_set_definition (TavrelModelMetaMetaView *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_view_get_columns:
 * @self: a #TavrelModelMetaMetaView
 *
 * Gets the live list of columns (#TavrelModelMetaMetaColumn) derived from the
 * definition.
 *
 * Returns: (transfer none) (nullable): the live list of columns
 *   (#TavrelModelMetaMetaColumn) derived from the definition
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_view_get_columns (TavrelModelMetaMetaView *self) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelMetaMaterialized:
 *
 * A view whose result is stored, with storage options of its own.
 */
/**
 * TavrelModelMetaMaterialized:definer:
 *
 * The definer.
 */
/**
 * TavrelModelMetaMaterialized:fill-factor:
 *
 * The fill factor, as text.
 */
/**
 * TavrelModelMetaMaterialized:table-space:
 *
 * The table space.
 */
/**
 * TavrelModelMetaMaterialized:with-data:
 *
 * Whether the view is filled when created.
 */
#define TAVREL_MODEL_META_TYPE_MATERIALIZED (tavrel_model_meta_materialized_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMaterialized, tavrel_model_meta_materialized, TAVREL_MODEL_META, MATERIALIZED, TavrelModelMetaMetaView)

struct _TavrelModelMetaMaterializedClass {
  TavrelModelMetaMetaViewClass parent_class;
};

/**
 * tavrel_model_meta_materialized_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMaterialized
 */
TAVREL_MODEL_API TavrelModelMetaMaterialized *tavrel_model_meta_materialized_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_materialized_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMaterialized or a
 *   type derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMaterialized *tavrel_model_meta_materialized_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_materialized_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMaterialized
 */
TAVREL_MODEL_API TavrelModelMetaMaterialized *tavrel_model_meta_materialized_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_materialized_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMaterialized or a
 *   type derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMaterialized *tavrel_model_meta_materialized_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_materialized_get_table_space:
 * @self: a #TavrelModelMetaMaterialized
 *
 * Gets the table space.
 *
 * Returns: (transfer none) (nullable): the table space
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_materialized_get_table_space (TavrelModelMetaMaterialized *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_materialized_set_table_space:
 * @self: a #TavrelModelMetaMaterialized
 * @value: (nullable): the new text, copied
 *
 * Sets the table space.
 */
TAVREL_MODEL_API void tavrel_model_meta_materialized_set_table_space (TavrelModelMetaMaterialized *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_materialized_get_definer:
 * @self: a #TavrelModelMetaMaterialized
 *
 * Gets the definer.
 *
 * Returns: (transfer none) (nullable): the definer
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_materialized_get_definer (TavrelModelMetaMaterialized *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_materialized_set_definer:
 * @self: a #TavrelModelMetaMaterialized
 * @value: (nullable): the new text, copied
 *
 * Sets the definer.
 */
TAVREL_MODEL_API void tavrel_model_meta_materialized_set_definer (TavrelModelMetaMaterialized *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_materialized_get_fill_factor:
 * @self: a #TavrelModelMetaMaterialized
 *
 * Gets the fill factor, as text.
 *
 * Returns: (transfer none) (nullable): the fill factor, as text
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_materialized_get_fill_factor (TavrelModelMetaMaterialized *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_materialized_set_fill_factor:
 * @self: a #TavrelModelMetaMaterialized
 * @value: (nullable): the new text, copied
 *
 * Sets the fill factor, as text.
 */
TAVREL_MODEL_API void tavrel_model_meta_materialized_set_fill_factor (TavrelModelMetaMaterialized *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_materialized_get_with_data:
 * @self: a #TavrelModelMetaMaterialized
 *
 * Tells whether the view is filled when created.
 *
 * Returns: whether the view is filled when created
 */
TAVREL_MODEL_API gboolean tavrel_model_meta_materialized_get_with_data (TavrelModelMetaMaterialized *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_materialized_set_with_data:
 * @self: a #TavrelModelMetaMaterialized
 * @value: the new value
 *
 * Sets whether the view is filled when created.
 */
TAVREL_MODEL_API void tavrel_model_meta_materialized_set_with_data (TavrelModelMetaMaterialized *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Routines (Meta/function)
 * ====================================================================== */

/**
 * TavrelModelMetaMetaRoutine:
 *
 * The common base of functions, procedures and external routines: return
 * type, body and parameters.
 */
/**
 * TavrelModelMetaMetaRoutine:body:
 *
 * The routine body.
 */
/**
 * TavrelModelMetaMetaRoutine:parameters:
 *
 * The live list of parameters (strings), in order.
 */
/**
 * TavrelModelMetaMetaRoutine:return-type:
 *
 * The declared return type.
 */
#define TAVREL_MODEL_META_TYPE_META_ROUTINE (tavrel_model_meta_meta_routine_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaRoutine, tavrel_model_meta_meta_routine, TAVREL_MODEL_META, META_ROUTINE, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaRoutineClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

/**
 * tavrel_model_meta_meta_routine_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaRoutine
 */
TAVREL_MODEL_API TavrelModelMetaMetaRoutine *tavrel_model_meta_meta_routine_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_routine_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaRoutine or a
 *   type derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaRoutine *tavrel_model_meta_meta_routine_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_routine_get_return_type:
 * @self: a #TavrelModelMetaMetaRoutine
 *
 * Gets the declared return type.
 *
 * Returns: (transfer none) (nullable): the declared return type
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_routine_get_return_type (TavrelModelMetaMetaRoutine *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_routine_set_return_type:
 * @self: a #TavrelModelMetaMetaRoutine
 * @value: (nullable): the new text, copied
 *
 * Sets the declared return type.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_routine_set_return_type (TavrelModelMetaMetaRoutine *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_routine_get_body:
 * @self: a #TavrelModelMetaMetaRoutine
 *
 * Gets the routine body.
 *
 * Returns: (transfer none) (nullable): the routine body
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_routine_get_body (TavrelModelMetaMetaRoutine *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_routine_set_body:
 * @self: a #TavrelModelMetaMetaRoutine
 * @value: (nullable): the new text, copied
 *
 * Sets the routine body.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_routine_set_body (TavrelModelMetaMetaRoutine *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_routine_get_parameters:
 * @self: a #TavrelModelMetaMetaRoutine
 *
 * Gets the live list of parameters (strings), in order.
 *
 * Returns: (transfer none) (nullable): the live list of parameters (strings),
 *   in order
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_routine_get_parameters (TavrelModelMetaMetaRoutine *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_routine_set_parameters:
 * @self: a #TavrelModelMetaMetaRoutine
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live list of parameters (strings), in order.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_routine_set_parameters (TavrelModelMetaMetaRoutine *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelMetaMetaFunction:
 *
 * A stored function.
 */
#define TAVREL_MODEL_META_TYPE_META_FUNCTION (tavrel_model_meta_meta_function_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaFunction, tavrel_model_meta_meta_function, TAVREL_MODEL_META, META_FUNCTION, TavrelModelMetaMetaRoutine)

struct _TavrelModelMetaMetaFunctionClass {
  TavrelModelMetaMetaRoutineClass parent_class;
};

/**
 * tavrel_model_meta_meta_function_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaFunction
 */
TAVREL_MODEL_API TavrelModelMetaMetaFunction *tavrel_model_meta_meta_function_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_function_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaFunction or a
 *   type derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaFunction *tavrel_model_meta_meta_function_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_function_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaFunction
 */
TAVREL_MODEL_API TavrelModelMetaMetaFunction *tavrel_model_meta_meta_function_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_function_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaFunction or a
 *   type derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaFunction *tavrel_model_meta_meta_function_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelMetaMetaProcedure:
 *
 * A stored procedure.
 */
#define TAVREL_MODEL_META_TYPE_META_PROCEDURE (tavrel_model_meta_meta_procedure_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaProcedure, tavrel_model_meta_meta_procedure, TAVREL_MODEL_META, META_PROCEDURE, TavrelModelMetaMetaRoutine)

struct _TavrelModelMetaMetaProcedureClass {
  TavrelModelMetaMetaRoutineClass parent_class;
};

/**
 * tavrel_model_meta_meta_procedure_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaProcedure
 */
TAVREL_MODEL_API TavrelModelMetaMetaProcedure *tavrel_model_meta_meta_procedure_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_procedure_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaProcedure or a
 *   type derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaProcedure *tavrel_model_meta_meta_procedure_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_procedure_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaProcedure
 */
TAVREL_MODEL_API TavrelModelMetaMetaProcedure *tavrel_model_meta_meta_procedure_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_procedure_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaProcedure or a
 *   type derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaProcedure *tavrel_model_meta_meta_procedure_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelMetaMetaExternal:
 *
 * An external routine.
 */
#define TAVREL_MODEL_META_TYPE_META_EXTERNAL (tavrel_model_meta_meta_external_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaExternal, tavrel_model_meta_meta_external, TAVREL_MODEL_META, META_EXTERNAL, TavrelModelMetaMetaRoutine)

struct _TavrelModelMetaMetaExternalClass {
  TavrelModelMetaMetaRoutineClass parent_class;
};

/**
 * tavrel_model_meta_meta_external_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaExternal
 */
TAVREL_MODEL_API TavrelModelMetaMetaExternal *tavrel_model_meta_meta_external_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_external_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaExternal or a
 *   type derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaExternal *tavrel_model_meta_meta_external_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_external_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaExternal
 */
TAVREL_MODEL_API TavrelModelMetaMetaExternal *tavrel_model_meta_meta_external_new_with_names (const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_external_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaExternal or a
 *   type derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the object's name
 *
 * Creates a new object named @name in @schema of @database, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaExternal *tavrel_model_meta_meta_external_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Schemas (Meta/schema)
 * ====================================================================== */

/**
 * TavrelModelMetaMetaSchema:
 *
 * A schema with its tables, views, materialized views, routines and events.
 */
/**
 * TavrelModelMetaMetaSchema:events:
 *
 * The live list of events (#TavrelModelMetaMetaEvent).
 */
/**
 * TavrelModelMetaMetaSchema:miews:
 *
 * The live list of materialized views (#TavrelModelMetaMaterialized).
 */
/**
 * TavrelModelMetaMetaSchema:routines:
 *
 * The live list of routines (#TavrelModelMetaMetaRoutine and its subclasses).
 */
/**
 * TavrelModelMetaMetaSchema:tables:
 *
 * The live list of tables (#TavrelModelMetaMetaTable).
 */
/**
 * TavrelModelMetaMetaSchema:views:
 *
 * The live list of views (#TavrelModelMetaMetaView).
 */
#define TAVREL_MODEL_META_TYPE_META_SCHEMA (tavrel_model_meta_meta_schema_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaSchema, tavrel_model_meta_meta_schema, TAVREL_MODEL_META, META_SCHEMA, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaSchemaClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

/**
 * tavrel_model_meta_meta_schema_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaSchema
 */
TAVREL_MODEL_API TavrelModelMetaMetaSchema *tavrel_model_meta_meta_schema_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_schema_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaSchema or a type
 *   derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaSchema *tavrel_model_meta_meta_schema_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_schema_new_with_names:
 * @database: the database's name
 * @schema: the schema's name, also its name
 *
 * Creates a schema of a database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaSchema
 */
TAVREL_MODEL_API TavrelModelMetaMetaSchema *tavrel_model_meta_meta_schema_new_with_names (const gchar *database, const gchar *schema) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_schema_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaSchema or a type
 *   derived from it
 * @database: the database's name
 * @schema: the schema's name, also its name
 *
 * Creates a schema of a database, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaSchema *tavrel_model_meta_meta_schema_construct_with_names (GType object_type, const gchar *database, const gchar *schema) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_schema_get_events:
 * @self: a #TavrelModelMetaMetaSchema
 *
 * Gets the live list of events (#TavrelModelMetaMetaEvent).
 *
 * Returns: (transfer none) (nullable): the live list of events
 *   (#TavrelModelMetaMetaEvent)
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_schema_get_events (TavrelModelMetaMetaSchema *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_schema_set_events:
 * @self: a #TavrelModelMetaMetaSchema
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live list of events (#TavrelModelMetaMetaEvent).
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_schema_set_events (TavrelModelMetaMetaSchema *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_schema_get_routines:
 * @self: a #TavrelModelMetaMetaSchema
 *
 * Gets the live list of routines (#TavrelModelMetaMetaRoutine and its
 * subclasses).
 *
 * Returns: (transfer none) (nullable): the live list of routines
 *   (#TavrelModelMetaMetaRoutine and its subclasses)
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_schema_get_routines (TavrelModelMetaMetaSchema *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_schema_set_routines:
 * @self: a #TavrelModelMetaMetaSchema
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live list of routines (#TavrelModelMetaMetaRoutine and its
 * subclasses).
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_schema_set_routines (TavrelModelMetaMetaSchema *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_schema_get_tables:
 * @self: a #TavrelModelMetaMetaSchema
 *
 * Gets the live list of tables (#TavrelModelMetaMetaTable).
 *
 * Returns: (transfer none) (nullable): the live list of tables
 *   (#TavrelModelMetaMetaTable)
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_schema_get_tables (TavrelModelMetaMetaSchema *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_schema_set_tables:
 * @self: a #TavrelModelMetaMetaSchema
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live list of tables (#TavrelModelMetaMetaTable).
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_schema_set_tables (TavrelModelMetaMetaSchema *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_schema_get_miews:
 * @self: a #TavrelModelMetaMetaSchema
 *
 * Gets the live list of materialized views (#TavrelModelMetaMaterialized).
 *
 * Returns: (transfer none) (nullable): the live list of materialized views
 *   (#TavrelModelMetaMaterialized)
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_schema_get_miews (TavrelModelMetaMetaSchema *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_schema_set_miews:
 * @self: a #TavrelModelMetaMetaSchema
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live list of materialized views (#TavrelModelMetaMaterialized).
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_schema_set_miews (TavrelModelMetaMetaSchema *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_schema_get_views:
 * @self: a #TavrelModelMetaMetaSchema
 *
 * Gets the live list of views (#TavrelModelMetaMetaView).
 *
 * Returns: (transfer none) (nullable): the live list of views
 *   (#TavrelModelMetaMetaView)
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_schema_get_views (TavrelModelMetaMetaSchema *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_schema_set_views:
 * @self: a #TavrelModelMetaMetaSchema
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live list of views (#TavrelModelMetaMetaView).
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_schema_set_views (TavrelModelMetaMetaSchema *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Databases (Meta/database)
 * ====================================================================== */

/**
 * TavrelModelMetaMetaDatabase:
 *
 * A database with its schemas: the root of a catalogue tree.
 */
/**
 * TavrelModelMetaMetaDatabase:schemas:
 *
 * The live list of schemas (#TavrelModelMetaMetaSchema).
 */
#define TAVREL_MODEL_META_TYPE_META_DATABASE (tavrel_model_meta_meta_database_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaDatabase, tavrel_model_meta_meta_database, TAVREL_MODEL_META, META_DATABASE, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaDatabaseClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

/**
 * tavrel_model_meta_meta_database_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaDatabase
 */
TAVREL_MODEL_API TavrelModelMetaMetaDatabase *tavrel_model_meta_meta_database_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_database_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaDatabase or a
 *   type derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaDatabase *tavrel_model_meta_meta_database_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_database_new_with_name:
 * @database: the database's name
 *
 * Creates a database; its name, schema and database are all @database.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaDatabase
 */
TAVREL_MODEL_API TavrelModelMetaMetaDatabase *tavrel_model_meta_meta_database_new_with_name (const gchar *database) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_database_construct_with_name: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaDatabase or a
 *   type derived from it
 * @database: the database's name
 *
 * Creates a database; its name, schema and database are all @database, as an
 * instance of @object_type. For the constructors of derived classes; bindings
 * use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaDatabase *tavrel_model_meta_meta_database_construct_with_name (GType object_type, const gchar *database) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_database_append:
 * @self: a #TavrelModelMetaMetaDatabase
 * @schema_name: the schema's name
 *
 * Finds the schema of a name, or appends a new one.
 *
 * Returns: (transfer full): the schema of that name; the database keeps its
 *   own reference
 */
TAVREL_MODEL_API TavrelModelMetaMetaSchema *tavrel_model_meta_meta_database_append (TavrelModelMetaMetaDatabase *self, const gchar *schema_name) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_database_get_schemas:
 * @self: a #TavrelModelMetaMetaDatabase
 *
 * Gets the live list of schemas (#TavrelModelMetaMetaSchema).
 *
 * Returns: (transfer none) (nullable): the live list of schemas
 *   (#TavrelModelMetaMetaSchema)
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_meta_meta_database_get_schemas (TavrelModelMetaMetaDatabase *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_database_set_schemas:
 * @self: a #TavrelModelMetaMetaDatabase
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live list of schemas (#TavrelModelMetaMetaSchema).
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_database_set_schemas (TavrelModelMetaMetaDatabase *self, GeeArrayList *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Classification nodes (Meta/classify)
 * ====================================================================== */

/**
 * TavrelModelMetaMetaClassify:
 *
 * A grouping node of a catalogue tree: a label, the database and schema it
 * belongs to and one object kind, with the grouped objects as a #GListModel
 * in #TavrelModelMetaMetaClassify:children. The label is the object's name.
 */
/**
 * TavrelModelMetaMetaClassify:children:
 *
 * The grouped objects, or %NULL.
 */
#define TAVREL_MODEL_META_TYPE_META_CLASSIFY (tavrel_model_meta_meta_classify_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaClassify, tavrel_model_meta_meta_classify, TAVREL_MODEL_META, META_CLASSIFY, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaClassifyClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

/**
 * tavrel_model_meta_meta_classify_new:
 * @kind: the kind of the grouped objects
 * @database: the database's name
 * @schema: the schema's name
 * @label: the node's label, its name
 *
 * Creates a grouping node without children.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaClassify
 */
TAVREL_MODEL_API TavrelModelMetaMetaClassify *tavrel_model_meta_meta_classify_new (TavrelModelMetaDBObject kind, const gchar *database, const gchar *schema, const gchar *label) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_classify_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaClassify or a
 *   type derived from it
 * @kind: the kind of the grouped objects
 * @database: the database's name
 * @schema: the schema's name
 * @label: the node's label, its name
 *
 * Creates a grouping node without children, as an instance of @object_type.
 * For the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaClassify *tavrel_model_meta_meta_classify_construct (GType object_type, TavrelModelMetaDBObject kind, const gchar *database, const gchar *schema, const gchar *label) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_classify_new_with_model:
 * @kind: the kind of the grouped objects
 * @database: the database's name
 * @schema: the schema's name
 * @label: the node's label, its name
 * @list_model: the list model that becomes the children
 *
 * Creates a grouping node whose children are @list_model.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaClassify
 */
TAVREL_MODEL_API TavrelModelMetaMetaClassify *tavrel_model_meta_meta_classify_new_with_model (TavrelModelMetaDBObject kind, const gchar *database, const gchar *schema, const gchar *label, GListModel *list_model) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_classify_construct_with_model: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaClassify or a
 *   type derived from it
 * @kind: the kind of the grouped objects
 * @database: the database's name
 * @schema: the schema's name
 * @label: the node's label, its name
 * @list_model: the list model that becomes the children
 *
 * Creates a grouping node whose children are @list_model, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaClassify *tavrel_model_meta_meta_classify_construct_with_model (GType object_type, TavrelModelMetaDBObject kind, const gchar *database, const gchar *schema, const gchar *label, GListModel *list_model) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_classify_new_with_array:
 * @kind: the kind of the grouped objects
 * @database: the database's name
 * @schema: the schema's name
 * @label: the node's label, its name
 * @array: (array length=length) (nullable): the objects to filter
 * @length: the number of objects
 *
 * Creates a grouping node whose children are a new list store holding, in
 * order, the non-null objects of @array of the node's kind.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaClassify
 */
TAVREL_MODEL_API TavrelModelMetaMetaClassify *tavrel_model_meta_meta_classify_new_with_array (TavrelModelMetaDBObject kind, const gchar *database, const gchar *schema, const gchar *label, TavrelModelMetaMetaObject **array, gint32 length) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_classify_construct_with_array: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaClassify or a
 *   type derived from it
 * @kind: the kind of the grouped objects
 * @database: the database's name
 * @schema: the schema's name
 * @label: the node's label, its name
 * @array: (array length=length) (nullable): the objects to filter
 * @length: the number of objects
 *
 * Creates a grouping node whose children are a new list store holding, in
 * order, the non-null objects of @array of the node's kind, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaClassify *tavrel_model_meta_meta_classify_construct_with_array (GType object_type, TavrelModelMetaDBObject kind, const gchar *database, const gchar *schema, const gchar *label, TavrelModelMetaMetaObject **array, gint32 length) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_classify_get_children:
 * @self: a #TavrelModelMetaMetaClassify
 *
 * Gets the grouped objects, or %NULL.
 *
 * Returns: (transfer none) (nullable): the grouped objects, or %NULL
 */
TAVREL_MODEL_API GListModel *tavrel_model_meta_meta_classify_get_children (TavrelModelMetaMetaClassify *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_classify_set_children:
 * @self: a #TavrelModelMetaMetaClassify
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the grouped objects, or %NULL.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_classify_set_children (TavrelModelMetaMetaClassify *self, GListModel *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Roles and users (Meta/user)
 * ====================================================================== */

/**
 * TavrelModelMetaMetaRelation:
 *
 * The common base of roles and users: relations and privileges as string
 * maps, a scope and a password.
 */
/**
 * TavrelModelMetaMetaRelation:password:
 *
 * The password.
 */
/**
 * TavrelModelMetaMetaRelation:privileges:
 *
 * The live map of privileges, strings to strings.
 */
/**
 * TavrelModelMetaMetaRelation:relations:
 *
 * The live map of relations, strings to strings.
 */
/**
 * TavrelModelMetaMetaRelation:scope:
 *
 * The scope.
 */
#define TAVREL_MODEL_META_TYPE_META_RELATION (tavrel_model_meta_meta_relation_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaRelation, tavrel_model_meta_meta_relation, TAVREL_MODEL_META, META_RELATION, TavrelModelMetaMetaObject)

struct _TavrelModelMetaMetaRelationClass {
  TavrelModelMetaMetaObjectClass parent_class;
};

/**
 * tavrel_model_meta_meta_relation_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaRelation
 */
TAVREL_MODEL_API TavrelModelMetaMetaRelation *tavrel_model_meta_meta_relation_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_relation_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaRelation or a
 *   type derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaRelation *tavrel_model_meta_meta_relation_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_relation_get_relations:
 * @self: a #TavrelModelMetaMetaRelation
 *
 * Gets the live map of relations, strings to strings.
 *
 * Returns: (transfer none) (nullable): the live map of relations, strings to
 *   strings
 */
TAVREL_MODEL_API GeeHashMap *tavrel_model_meta_meta_relation_get_relations (TavrelModelMetaMetaRelation *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_relation_set_relations:
 * @self: a #TavrelModelMetaMetaRelation
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live map of relations, strings to strings.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_relation_set_relations (TavrelModelMetaMetaRelation *self, GeeHashMap *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_relation_get_privileges:
 * @self: a #TavrelModelMetaMetaRelation
 *
 * Gets the live map of privileges, strings to strings.
 *
 * Returns: (transfer none) (nullable): the live map of privileges, strings to
 *   strings
 */
TAVREL_MODEL_API GeeHashMap *tavrel_model_meta_meta_relation_get_privileges (TavrelModelMetaMetaRelation *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_relation_set_privileges:
 * @self: a #TavrelModelMetaMetaRelation
 * @value: (nullable): the new container; the object keeps a reference to it,
 *   without copying it
 *
 * Sets the live map of privileges, strings to strings.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_relation_set_privileges (TavrelModelMetaMetaRelation *self, GeeHashMap *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_relation_get_scope:
 * @self: a #TavrelModelMetaMetaRelation
 *
 * Gets the scope.
 *
 * Returns: (transfer none) (nullable): the scope
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_relation_get_scope (TavrelModelMetaMetaRelation *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_relation_set_scope:
 * @self: a #TavrelModelMetaMetaRelation
 * @value: (nullable): the new text, copied
 *
 * Sets the scope.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_relation_set_scope (TavrelModelMetaMetaRelation *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_relation_get_password:
 * @self: a #TavrelModelMetaMetaRelation
 *
 * Gets the password.
 *
 * Returns: (transfer none) (nullable): the password
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_relation_get_password (TavrelModelMetaMetaRelation *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_relation_set_password:
 * @self: a #TavrelModelMetaMetaRelation
 * @value: (nullable): the new text, copied
 *
 * Sets the password.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_relation_set_password (TavrelModelMetaMetaRelation *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelMetaMetaRole:
 *
 * A role.
 */
#define TAVREL_MODEL_META_TYPE_META_ROLE (tavrel_model_meta_meta_role_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaRole, tavrel_model_meta_meta_role, TAVREL_MODEL_META, META_ROLE, TavrelModelMetaMetaRelation)

struct _TavrelModelMetaMetaRoleClass {
  TavrelModelMetaMetaRelationClass parent_class;
};

/**
 * tavrel_model_meta_meta_role_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaRole
 */
TAVREL_MODEL_API TavrelModelMetaMetaRole *tavrel_model_meta_meta_role_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_role_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaRole or a type
 *   derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaRole *tavrel_model_meta_meta_role_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_role_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the role's name
 * @scope: the scope
 *
 * Creates a role with its scope.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaRole
 */
TAVREL_MODEL_API TavrelModelMetaMetaRole *tavrel_model_meta_meta_role_new_with_names (const gchar *database, const gchar *schema, const gchar *name, const gchar *scope) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_role_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaRole or a type
 *   derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the role's name
 * @scope: the scope
 *
 * Creates a role with its scope, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaRole *tavrel_model_meta_meta_role_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name, const gchar *scope) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelMetaMetaUser:
 *
 * A user, with a default schema.
 */
/**
 * TavrelModelMetaMetaUser:default-schema:
 *
 * The user's default schema.
 */
#define TAVREL_MODEL_META_TYPE_META_USER (tavrel_model_meta_meta_user_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelMetaMetaUser, tavrel_model_meta_meta_user, TAVREL_MODEL_META, META_USER, TavrelModelMetaMetaRelation)

struct _TavrelModelMetaMetaUserClass {
  TavrelModelMetaMetaRelationClass parent_class;
};

/**
 * tavrel_model_meta_meta_user_new:
 *
 * Creates a new object with its defaults.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaUser
 */
TAVREL_MODEL_API TavrelModelMetaMetaUser *tavrel_model_meta_meta_user_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_user_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaUser or a type
 *   derived from it
 *
 * Creates a new object with its defaults, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaUser *tavrel_model_meta_meta_user_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_user_new_with_names:
 * @database: the database's name
 * @schema: the schema's name
 * @name: the user's name
 * @scope: the scope
 *
 * Creates a user with its scope.
 *
 * Returns: (transfer full): a new #TavrelModelMetaMetaUser
 */
TAVREL_MODEL_API TavrelModelMetaMetaUser *tavrel_model_meta_meta_user_new_with_names (const gchar *database, const gchar *schema, const gchar *name, const gchar *scope) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_user_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelMetaMetaUser or a type
 *   derived from it
 * @database: the database's name
 * @schema: the schema's name
 * @name: the user's name
 * @scope: the scope
 *
 * Creates a user with its scope, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelMetaMetaUser *tavrel_model_meta_meta_user_construct_with_names (GType object_type, const gchar *database, const gchar *schema, const gchar *name, const gchar *scope) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_user_get_default_schema:
 * @self: a #TavrelModelMetaMetaUser
 *
 * Gets the user's default schema.
 *
 * Returns: (transfer none) (nullable): the user's default schema
 */
TAVREL_MODEL_API const gchar *tavrel_model_meta_meta_user_get_default_schema (TavrelModelMetaMetaUser *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_meta_meta_user_set_default_schema:
 * @self: a #TavrelModelMetaMetaUser
 * @value: (nullable): the new text, copied
 *
 * Sets the user's default schema.
 */
TAVREL_MODEL_API void tavrel_model_meta_meta_user_set_default_schema (TavrelModelMetaMetaUser *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

G_END_DECLS

#endif /* TAVREL_MODEL_META_H */
