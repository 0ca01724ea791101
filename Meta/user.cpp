/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Roles and users: their relation and privilege maps, scope and password,
 * and a user's default schema.
 */

#include "Meta/object.h"

/* ---- MetaRelation ---------------------------------------------------------- */

struct TavrelModelMetaMetaRelationPrivate {
  lm::StringMap relations;
  lm::StringMap privileges;
  lm::String scope {""};
  lm::String password {""};
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaRelation, tavrel_model_meta_meta_relation, TAVREL_MODEL_META_TYPE_META_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaRelation, tavrel_model_meta_meta_relation, TavrelModelMetaMetaRelationPrivate)

namespace relation {
using P = TavrelModelMetaMetaRelationPrivate;

static constexpr lm::Property properties[] = {
    LM_META_MAP (relations, "relations"),
    LM_META_MAP (privileges, "privileges"),
    LM_META_STRING (scope, "scope"),
    LM_META_STRING (password, "password"),
};
}  // namespace relation

static void
tavrel_model_meta_meta_relation_class_init (TavrelModelMetaMetaRelationClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_relation_finalize;
  lm::install_properties<relation::properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_relation, TavrelModelMetaMetaRelation, TAVREL_MODEL_META_TYPE_META_RELATION)

#define SELF tavrel_model_meta_meta_relation, TavrelModelMetaMetaRelation, TAVREL_MODEL_META_IS_META_RELATION
LM_ACCESSORS (SELF, relations, GeeHashMap *, NULL)
LM_ACCESSORS (SELF, privileges, GeeHashMap *, NULL)
LM_ACCESSORS (SELF, scope, const gchar *, NULL)
LM_ACCESSORS (SELF, password, const gchar *, NULL)
#undef SELF

/* Roles and users take their scope with their names, and have always
 * reported the names under these texts. */
#define CHECK_SCOPED_NAMES()                                                    \
  LM_RETURN_VAL_IF_FAIL_TEXT (database != NULL, "_database != NULL", NULL);     \
  LM_RETURN_VAL_IF_FAIL_TEXT (schema != NULL, "_schema != NULL", NULL);         \
  LM_RETURN_VAL_IF_FAIL_TEXT (name != NULL, "_name != NULL", NULL);             \
  LM_RETURN_VAL_IF_FAIL_TEXT (scope != NULL, "_scope != NULL", NULL)

#define SCOPED_CONSTRUCTORS(prefix, Type, TYPE)                                                           \
  extern "C" Type *prefix##_new_with_names (const gchar *database, const gchar *schema, const gchar *name, \
                                            const gchar *scope) noexcept                                  \
  {                                                                                                        \
    CHECK_SCOPED_NAMES ();                                                                                 \
    return prefix##_construct_with_names (TYPE, database, schema, name, scope);                           \
  }                                                                                                        \
  extern "C" Type *prefix##_construct_with_names (GType object_type, const gchar *database,               \
                                                  const gchar *schema, const gchar *name,                 \
                                                  const gchar *scope) noexcept                            \
  {                                                                                                        \
    CHECK_SCOPED_NAMES ();                                                                                 \
    LM_RETURN_VAL_IF_FAIL_TEXT (g_type_is_a (object_type, TYPE), "g_type_is_a (object_type, " #TYPE ")",   \
                                NULL);                                                                     \
    auto *self = lm::meta::instantiate<Type> (object_type);                                                \
    lm::meta::set_names (self, database, schema, name);                                                    \
    lm::assign<&relation::P::scope> (self, scope);                                                         \
    return self;                                                                                           \
  }

/* ---- MetaRole -------------------------------------------------------------- */

G_DEFINE_TYPE (TavrelModelMetaMetaRole, tavrel_model_meta_meta_role, TAVREL_MODEL_META_TYPE_META_RELATION)

static void
tavrel_model_meta_meta_role_class_init (TavrelModelMetaMetaRoleClass *klass)
{
  LM_META_CHARACTER (klass, ROLE);
}

static void
tavrel_model_meta_meta_role_init (TavrelModelMetaMetaRole *)
{
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_role, TavrelModelMetaMetaRole, TAVREL_MODEL_META_TYPE_META_ROLE)
SCOPED_CONSTRUCTORS (tavrel_model_meta_meta_role, TavrelModelMetaMetaRole, TAVREL_MODEL_META_TYPE_META_ROLE)

/* ---- MetaUser -------------------------------------------------------------- */

struct TavrelModelMetaMetaUserPrivate {
  lm::String default_schema {""};
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaUser, tavrel_model_meta_meta_user, TAVREL_MODEL_META_TYPE_META_RELATION)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaUser, tavrel_model_meta_meta_user, TavrelModelMetaMetaUserPrivate)

namespace user {
using P = TavrelModelMetaMetaUserPrivate;

static constexpr lm::Property properties[] = {
    LM_META_STRING (default_schema, "default-schema"),
};
}  // namespace user

static void
tavrel_model_meta_meta_user_class_init (TavrelModelMetaMetaUserClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_user_finalize;
  LM_META_CHARACTER (klass, USER);
  lm::install_properties<user::properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_user, TavrelModelMetaMetaUser, TAVREL_MODEL_META_TYPE_META_USER)
SCOPED_CONSTRUCTORS (tavrel_model_meta_meta_user, TavrelModelMetaMetaUser, TAVREL_MODEL_META_TYPE_META_USER)

#define SELF tavrel_model_meta_meta_user, TavrelModelMetaMetaUser, TAVREL_MODEL_META_IS_META_USER
LM_ACCESSORS (SELF, default_schema, const gchar *, NULL)
#undef SELF

#undef SCOPED_CONSTRUCTORS
#undef CHECK_SCOPED_NAMES
