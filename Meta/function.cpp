/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Stored routines: the return type, the body and the parameter texts,
 * shared by functions, procedures and external routines, which differ
 * only in the kind they report.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaRoutinePrivate {
  lm::String return_type {""};
  lm::String body {""};
  lm::StringList parameters;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaRoutine, tavrel_model_meta_meta_routine, TAVREL_MODEL_META_TYPE_META_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaRoutine, tavrel_model_meta_meta_routine, TavrelModelMetaMetaRoutinePrivate)

using P = TavrelModelMetaMetaRoutinePrivate;

static constexpr lm::Property routine_properties[] = {
    LM_META_STRING (return_type, "return-type"),
    LM_META_STRING (body, "body"),
    LM_META_LIST (parameters, "parameters", lm::strings),
};

static void
tavrel_model_meta_meta_routine_class_init (TavrelModelMetaMetaRoutineClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_routine_finalize;
  LM_META_CHARACTER (klass, ROUTINE);
  lm::install_properties<routine_properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_routine, TavrelModelMetaMetaRoutine, TAVREL_MODEL_META_TYPE_META_ROUTINE)

#define SELF tavrel_model_meta_meta_routine, TavrelModelMetaMetaRoutine, TAVREL_MODEL_META_IS_META_ROUTINE
LM_ACCESSORS (SELF, return_type, const gchar *, NULL)
LM_ACCESSORS (SELF, body, const gchar *, NULL)
LM_ACCESSORS (SELF, parameters, GeeArrayList *, NULL)
#undef SELF

/* ---- the three kinds ------------------------------------------------------ */

/* Functions, procedures and external routines differ only in their kind. */
#define ROUTINE_KIND(Name, name, MACRO, KIND)                                                             \
  G_DEFINE_TYPE (TavrelModelMeta##Name, tavrel_model_meta_##name, TAVREL_MODEL_META_TYPE_META_ROUTINE)     \
  static void tavrel_model_meta_##name##_class_init (TavrelModelMeta##Name##Class *klass)                 \
  {                                                                                                        \
    LM_META_CHARACTER (klass, KIND);                                                                       \
  }                                                                                                        \
  static void tavrel_model_meta_##name##_init (TavrelModelMeta##Name *) {}                                 \
  LM_META_CONSTRUCTORS (tavrel_model_meta_##name, TavrelModelMeta##Name, TAVREL_MODEL_META_TYPE_##MACRO)   \
  LM_META_NAMED_CONSTRUCTORS (tavrel_model_meta_##name, TavrelModelMeta##Name, TAVREL_MODEL_META_TYPE_##MACRO)

ROUTINE_KIND (MetaFunction, meta_function, META_FUNCTION, FUNCTION)
ROUTINE_KIND (MetaProcedure, meta_procedure, META_PROCEDURE, PROCEDURE)
ROUTINE_KIND (MetaExternal, meta_external, META_EXTERNAL, EXTERNAL)

#undef ROUTINE_KIND
