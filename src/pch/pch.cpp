// The one source of the targets that own the precompiled headers; the other targets reuse them.
