#pragma once

// The first page SQLCipher reads costs OpenSSL more than the page: loading its
// default provider, building its algorithm tables for the cipher and the MAC,
// seeding its random generator. Opening qb.mdb on the main thread paid that
// while the player waited for the window. This does it ahead, off the main
// thread (on the key's thread, once the key is worked out), with the same
// algorithms the engine uses for the game's file: AES-256-CBC pages, HMAC-SHA1
// page checks, random IVs. OpenSSL keeps all of it for the whole process.
void warmUpEngineCipher();
