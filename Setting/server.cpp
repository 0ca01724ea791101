/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * The profile of one database connection: provider and driver, where the
 * server is, the credentials and the optional SSH tunnel, HTTP tunnel and
 * TLS settings.  A plain record the client fills and persists; it opens no
 * connection.
 */

#include "include/libmodel.h"
#include "Support/check.h"
#include "Support/gobject.h"
#include "Support/holders.h"
#include "Support/property.h"

namespace {

/* The databases vector: never null and always terminated, so a borrowed
 * read is a valid GStrv, with its length kept beside it so that reading
 * does not count. */
class StringArray {
 public:
  StringArray () : items_ (g_new0 (gchar *, 1)) {}
  StringArray (const StringArray &) = delete;
  StringArray &operator= (const StringArray &) = delete;
  ~StringArray () { g_strfreev (items_); }

  const gchar *const *get () const noexcept { return items_; }
  gint length () const noexcept { return length_; }

  /* Copies the first length strings before releasing the old ones, so the
   * argument may be (or point into) the array held. */
  void assign (const gchar *const *value, gint length)
  {
    gchar **copy = g_new (gchar *, gsize (length) + 1);
    for (gint i = 0; i < length; i++)
      copy[i] = g_strdup (value[i]);
    copy[length] = nullptr;
    g_strfreev (items_);
    items_ = copy;
    length_ = length;
  }

 private:
  gchar **items_;
  gint length_ = 0;
};

}  // namespace

struct TavrelModelSettingServerPrivate {
  lm::String uuid {""};
  lm::String provider {"UNKNOWN"};
  lm::String driver {""};
  lm::String title {""};
  lm::String host {""};
  gint port = 0;
  lm::String instance {""};
  lm::String username {""};
  lm::String password {""};
  lm::String initial {""};
  lm::String filename {""};
  lm::String location {""};
  lm::String extensions {""};
  StringArray databases;
  lm::String options {""};
  /* bool, not gboolean: a caller's TRUE of 2 is the same truth as 1, both
   * for the change test and for what the getter hands back. */
  bool ssh_using = false;
  lm::String ssh_process {"ssh"};
  lm::String ssh_host {""};
  gint ssh_port = 22;
  lm::String ssh_auth_type {"password"};
  lm::String ssh_username {""};
  lm::String ssh_password {""};
  lm::String ssh_key_private_file {""};
  bool http_using = false;
  lm::String http_process {"wstunnel"};
  lm::String http_protocol {"http"};
  lm::String http_host {""};
  gint http_port = 8080;
  bool http_auth = false;
  lm::String http_username {""};
  lm::String http_password {""};
  lm::String http_ca_file {""};
  lm::String http_cert_file {""};
  lm::String http_key_file {""};
  bool ssl_using = false;
  lm::String ssl_ca_file {""};
  lm::String ssl_cert_file {""};
  lm::String ssl_key_file {""};
  lm::String ssl_mode {"require"};
  lm::String ssl_password {""};
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelSettingServer, tavrel_model_setting_server, G_TYPE_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelSettingServer, tavrel_model_setting_server, TavrelModelSettingServerPrivate)

using P = TavrelModelSettingServerPrivate;

static GParamSpec *databases_pspec;

/* The only path by which databases changes.  The very array already held
 * (same vector, same length) is no change; any other array is, even with
 * equal contents. */
static void
server_store_databases (TavrelModelSettingServer *self, const gchar *const *value, gint length)
{
  StringArray &databases = lm::priv (self)->databases;
  if (value == databases.get () && length == databases.length ())
    return;
  databases.assign (value, length);
  g_object_notify_by_pspec (G_OBJECT (self), databases_pspec);
}

static void
server_get_databases_property (GObject *object, GValue *value)
{
  g_value_set_boxed (value, lm::priv (TAVREL_MODEL_SETTING_SERVER (object))->databases.get ());
}

static void
server_set_databases_property (GObject *object, const GValue *value)
{
  auto *items = static_cast<const gchar *const *> (g_value_get_boxed (value));
  server_store_databases (TAVREL_MODEL_SETTING_SERVER (object), items,
                          items ? gint (g_strv_length (const_cast<gchar **> (items))) : 0);
}

/* The declared property defaults are null, 0 and false (the SSH and HTTP
 * ports aside); an instance starts from the private defaults above. */
#define STRING(member, name) \
  lm::field<&P::member> ([] { return g_param_spec_string (name, nullptr, nullptr, nullptr, lm::RW); })
#define INT(member, name, dflt) \
  lm::field<&P::member> ([] { return g_param_spec_int (name, nullptr, nullptr, G_MININT, G_MAXINT, dflt, lm::RW); })
#define BOOLEAN(member, name) \
  lm::field<&P::member> ([] { return g_param_spec_boolean (name, nullptr, nullptr, FALSE, lm::RW); })

static constexpr lm::Property server_properties[] = {
    STRING (uuid, "uuid"),
    STRING (provider, "provider"),
    STRING (driver, "driver"),
    STRING (title, "title"),
    STRING (host, "host"),
    INT (port, "port", 0),
    STRING (instance, "instance"),
    STRING (username, "username"),
    STRING (password, "password"),
    STRING (initial, "initial"),
    STRING (filename, "filename"),
    STRING (location, "location"),
    STRING (extensions, "extensions"),
    lm::computed ([] { return g_param_spec_boxed ("databases", nullptr, nullptr, G_TYPE_STRV, lm::RW); },
                  server_get_databases_property, server_set_databases_property, &databases_pspec),
    STRING (options, "options"),
    BOOLEAN (ssh_using, "ssh-using"),
    STRING (ssh_process, "ssh-process"),
    STRING (ssh_host, "ssh-host"),
    INT (ssh_port, "ssh-port", 22),
    STRING (ssh_auth_type, "ssh-auth-type"),
    STRING (ssh_username, "ssh-username"),
    STRING (ssh_password, "ssh-password"),
    STRING (ssh_key_private_file, "ssh-key-private-file"),
    BOOLEAN (http_using, "http-using"),
    STRING (http_process, "http-process"),
    STRING (http_protocol, "http-protocol"),
    STRING (http_host, "http-host"),
    INT (http_port, "http-port", 8080),
    BOOLEAN (http_auth, "http-auth"),
    STRING (http_username, "http-username"),
    STRING (http_password, "http-password"),
    STRING (http_ca_file, "http-ca-file"),
    STRING (http_cert_file, "http-cert-file"),
    STRING (http_key_file, "http-key-file"),
    BOOLEAN (ssl_using, "ssl-using"),
    STRING (ssl_ca_file, "ssl-ca-file"),
    STRING (ssl_cert_file, "ssl-cert-file"),
    STRING (ssl_key_file, "ssl-key-file"),
    STRING (ssl_mode, "ssl-mode"),
    STRING (ssl_password, "ssl-password"),
};

#undef STRING
#undef INT
#undef BOOLEAN

static void
tavrel_model_setting_server_class_init (TavrelModelSettingServerClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_setting_server_finalize;
  lm::install_properties<server_properties> (G_OBJECT_CLASS (klass));
}

/* A random identity in capitals, stored as any uuid change is. */
static void
server_take_fresh_identity (TavrelModelSettingServer *self)
{
  g_autofree gchar *random = g_uuid_string_random ();
  g_autofree gchar *upper = g_ascii_strup (random, -1);
  lm::assign<&P::uuid> (self, upper);
}

#define CHECK_TYPE() \
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_SETTING_TYPE_SERVER), NULL)

extern "C" TavrelModelSettingServer *
tavrel_model_setting_server_new (void) noexcept
{
  return tavrel_model_setting_server_construct (TAVREL_MODEL_SETTING_TYPE_SERVER);
}

extern "C" TavrelModelSettingServer *
tavrel_model_setting_server_construct (GType object_type) noexcept
{
  CHECK_TYPE ();
  return static_cast<TavrelModelSettingServer *> (g_object_new (object_type, nullptr));
}

/* The check's text names the argument as the profile format has always
 * reported it. */
extern "C" TavrelModelSettingServer *
tavrel_model_setting_server_new_with_provider (const gchar *provider) noexcept
{
  LM_RETURN_VAL_IF_FAIL_TEXT (provider != NULL, "_provider != NULL", NULL);
  return tavrel_model_setting_server_construct_with_provider (TAVREL_MODEL_SETTING_TYPE_SERVER, provider);
}

extern "C" TavrelModelSettingServer *
tavrel_model_setting_server_construct_with_provider (GType object_type, const gchar *provider) noexcept
{
  LM_RETURN_VAL_IF_FAIL_TEXT (provider != NULL, "_provider != NULL", NULL);
  CHECK_TYPE ();
  auto *self = static_cast<TavrelModelSettingServer *> (g_object_new (object_type, nullptr));
  lm::priv (self)->provider.set (provider);
  server_take_fresh_identity (self);
  return self;
}

#undef CHECK_TYPE

/* Only what the copy can take is copied: a property of a subclass (or one
 * that is construct-only or unreadable) would make the property system warn
 * and copy nothing, so it is left out rather than half-written. */
static bool
server_copies_property (GObjectClass *copy_class, GParamSpec *pspec)
{
  if ((pspec->flags & G_PARAM_READWRITE) != G_PARAM_READWRITE || (pspec->flags & G_PARAM_CONSTRUCT_ONLY))
    return false;
  GParamSpec *target = g_param_spec_get_redirect_target (pspec);
  return g_object_class_find_property (copy_class, pspec->name) == (target ? target : pspec);
}

extern "C" TavrelModelSettingServer *
tavrel_model_setting_server_clone (TavrelModelSettingServer *self, gboolean new_identity) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_SETTING_IS_SERVER (self), NULL);
  TavrelModelSettingServer *copy = tavrel_model_setting_server_new ();
  GObjectClass *copy_class = G_OBJECT_GET_CLASS (copy);
  guint n = 0;
  g_autofree GParamSpec **pspecs = g_object_class_list_properties (G_OBJECT_GET_CLASS (self), &n);
  for (guint i = 0; i < n; i++) {
    if (!server_copies_property (copy_class, pspecs[i]))
      continue;
    g_auto (GValue) value = G_VALUE_INIT;
    g_value_init (&value, G_PARAM_SPEC_VALUE_TYPE (pspecs[i]));
    g_object_get_property (G_OBJECT (self), pspecs[i]->name, &value);
    g_object_set_property (G_OBJECT (copy), pspecs[i]->name, &value);
  }
  if (new_identity)
    server_take_fresh_identity (copy);
  return copy;
}

/* Any string may have been set to null; it reads as empty here rather than
 * as the C library's "(null)" (or worse, where printf has no such habit). */
static inline const gchar *
text (const lm::String &field)
{
  return field.is_null () ? "" : field.get ();
}

extern "C" gchar *
tavrel_model_setting_server_to_string (TavrelModelSettingServer *self, gboolean with_identity) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_SETTING_IS_SERVER (self), NULL);
  const P *p = lm::priv (self);
  GString *line = g_string_new (nullptr);
  g_string_append_printf (line, "Server %s => Provider:%s, ", text (p->title), text (p->provider));
  if (text (p->driver)[0] != '\0')
    g_string_append_printf (line, "Driver:%s, ", p->driver.get ());
  g_string_append_printf (line, "Initial:%s, ", text (p->initial));
  g_string_append_printf (line, "Host:%s, port:%d, ", text (p->host), p->port);
  g_string_append_printf (line, "User:%s, ", text (p->username));
  g_string_append_printf (line, "SSL:%s, ", p->ssl_using ? "Yes" : "No");
  g_autofree gchar *tunnel = nullptr;
  if (p->ssh_using)
    tunnel = g_strdup ("SSH");
  else if (p->http_using)
    tunnel = g_utf8_strup (text (p->http_protocol), -1);
  g_string_append_printf (line, "Tunnel:%s", tunnel ? tunnel : "");
  if (with_identity)
    g_string_append_printf (line, ", ID:%s", text (p->uuid));
  return g_string_free (line, FALSE);
}

/* Databases differ from the table's other properties in shape: a vector
 * with its length.  The out-parameter reads 0 also when the checks fail,
 * so a caller never reads an unset length. */
extern "C" const gchar *const *
tavrel_model_setting_server_get_databases (TavrelModelSettingServer *self, gint *length) noexcept
{
  if (length)
    *length = 0;
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_SETTING_IS_SERVER (self), NULL);
  const StringArray &databases = lm::priv (self)->databases;
  if (length)
    *length = databases.length ();
  return databases.get ();
}

/* A null within the given count cannot be held in a terminated vector
 * (and past the caller's terminator lies memory that is not the array). */
static bool
strings_present (const gchar *const *value, gint length)
{
  for (gint i = 0; i < length; i++)
    if (value[i] == nullptr)
      return false;
  return true;
}

extern "C" void
tavrel_model_setting_server_set_databases (TavrelModelSettingServer *self, const gchar *const *value,
                                           gint length) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_SETTING_IS_SERVER (self));
  LM_RETURN_IF_FAIL (length >= 0);
  LM_RETURN_IF_FAIL (value != NULL || length == 0);
  LM_RETURN_IF_FAIL_TEXT (strings_present (value, length), "value[i] != NULL");
  server_store_databases (self, value, length);
}

#define SELF tavrel_model_setting_server, TavrelModelSettingServer, TAVREL_MODEL_SETTING_IS_SERVER
LM_ACCESSORS (SELF, uuid, const gchar *, NULL)
LM_ACCESSORS (SELF, provider, const gchar *, NULL)
LM_ACCESSORS (SELF, driver, const gchar *, NULL)
LM_ACCESSORS (SELF, title, const gchar *, NULL)
LM_ACCESSORS (SELF, host, const gchar *, NULL)
LM_ACCESSORS (SELF, port, gint, 0)
LM_ACCESSORS (SELF, instance, const gchar *, NULL)
LM_ACCESSORS (SELF, username, const gchar *, NULL)
LM_ACCESSORS (SELF, password, const gchar *, NULL)
LM_ACCESSORS (SELF, initial, const gchar *, NULL)
LM_ACCESSORS (SELF, filename, const gchar *, NULL)
LM_ACCESSORS (SELF, location, const gchar *, NULL)
LM_ACCESSORS (SELF, extensions, const gchar *, NULL)
LM_ACCESSORS (SELF, options, const gchar *, NULL)
LM_ACCESSORS (SELF, ssh_using, gboolean, FALSE)
LM_ACCESSORS (SELF, ssh_process, const gchar *, NULL)
LM_ACCESSORS (SELF, ssh_host, const gchar *, NULL)
LM_ACCESSORS (SELF, ssh_port, gint, 0)
LM_ACCESSORS (SELF, ssh_auth_type, const gchar *, NULL)
LM_ACCESSORS (SELF, ssh_username, const gchar *, NULL)
LM_ACCESSORS (SELF, ssh_password, const gchar *, NULL)
LM_ACCESSORS (SELF, ssh_key_private_file, const gchar *, NULL)
LM_ACCESSORS (SELF, http_using, gboolean, FALSE)
LM_ACCESSORS (SELF, http_process, const gchar *, NULL)
LM_ACCESSORS (SELF, http_protocol, const gchar *, NULL)
LM_ACCESSORS (SELF, http_host, const gchar *, NULL)
LM_ACCESSORS (SELF, http_port, gint, 0)
LM_ACCESSORS (SELF, http_auth, gboolean, FALSE)
LM_ACCESSORS (SELF, http_username, const gchar *, NULL)
LM_ACCESSORS (SELF, http_password, const gchar *, NULL)
LM_ACCESSORS (SELF, http_ca_file, const gchar *, NULL)
LM_ACCESSORS (SELF, http_cert_file, const gchar *, NULL)
LM_ACCESSORS (SELF, http_key_file, const gchar *, NULL)
LM_ACCESSORS (SELF, ssl_using, gboolean, FALSE)
LM_ACCESSORS (SELF, ssl_ca_file, const gchar *, NULL)
LM_ACCESSORS (SELF, ssl_cert_file, const gchar *, NULL)
LM_ACCESSORS (SELF, ssl_key_file, const gchar *, NULL)
LM_ACCESSORS (SELF, ssl_mode, const gchar *, NULL)
LM_ACCESSORS (SELF, ssl_password, const gchar *, NULL)
#undef SELF
