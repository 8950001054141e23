#pragma once
// What this host program takes from the system and from the Microsoft C runtime it links (the
// universal C runtime, ucrtbase.dll, and the compiler's vcruntime140.dll), declared as their own
// headers declare them: a program of this compiler has no C++ standard library here, so it is
// written in plain C++ over the C runtime.

#include <stdarg.h>
#include <stddef.h>
#include <stdint.h>

extern "C" {

// ---- the universal C runtime
struct FILE;
FILE* __cdecl __acrt_iob_func(unsigned index);
int __cdecl __stdio_common_vfprintf(uint64_t options, FILE* stream, const char* format, void* locale, va_list arguments);
int __cdecl __stdio_common_vsprintf(uint64_t options, char* buffer, size_t count, const char* format, void* locale,
                                    va_list arguments);
int __cdecl __stdio_common_vsscanf(uint64_t options, const char* buffer, size_t count, const char* format, void* locale,
                                   va_list arguments);
FILE* __cdecl fopen(const char* path, const char* mode);
int __cdecl fclose(FILE* stream);
int __cdecl fflush(FILE* stream);
int __cdecl ferror(FILE* stream);
int __cdecl fputs(const char* text, FILE* stream);
void* __cdecl malloc(size_t size);
void* __cdecl calloc(size_t count, size_t size);
void __cdecl free(void* block);
void* __cdecl memcpy(void* to, const void* from, size_t size);
void* __cdecl memmove(void* to, const void* from, size_t size);
void* __cdecl memset(void* to, int value, size_t size);
size_t __cdecl strlen(const char* text);
int __cdecl strcmp(const char* a, const char* b);
int __cdecl _configure_narrow_argv(int mode);
int* __cdecl __p___argc();
char*** __cdecl __p___argv();
[[noreturn]] void __cdecl exit(int code);

// ---- the compiler's runtime
typedef int jmp_buf[16];
__attribute__((returns_twice)) int __cdecl _setjmp3(jmp_buf buffer, int count, ...);
[[noreturn]] void __cdecl longjmp(jmp_buf buffer, int value);

// ---- the system
typedef void* HMODULE;
typedef int(__stdcall* FARPROC)();
__declspec(dllimport) HMODULE __stdcall LoadLibraryA(const char* file);
__declspec(dllimport) int __stdcall FreeLibrary(HMODULE module);
__declspec(dllimport) FARPROC __stdcall GetProcAddress(HMODULE module, const char* name);
__declspec(dllimport) HMODULE __stdcall GetModuleHandleA(const char* name);
__declspec(dllimport) unsigned long __stdcall GetModuleFileNameA(HMODULE module, char* file, unsigned long size);
__declspec(dllimport) unsigned long __stdcall GetLastError();
__declspec(dllimport) int __stdcall VirtualProtect(void* address, size_t size, unsigned long protection,
                                                   unsigned long* old);
__declspec(dllimport) void __stdcall RaiseException(unsigned long code, unsigned long flags, unsigned long count,
                                                    const uintptr_t* arguments);
__declspec(dllimport) int __stdcall SetConsoleOutputCP(unsigned codePage);
}

// setjmp as this compiler's programs call it.
#define setjmp(buffer) _setjmp3((buffer), 0)

inline void* operator new(size_t, void* place) noexcept { return place; }

namespace morvel {

// printf-style formatting into a buffer, cut to its size, as vsnprintf does.
int FormatInto(char* buffer, size_t size, const char* format, va_list arguments);
int FormatInto(char* buffer, size_t size, const char* format, ...);
// scanf-style reading of a text, as vsscanf does.
int ReadFormatted(const char* text, const char* format, va_list arguments);
// printf-style writing to a stream, as vfprintf does.
int WriteFormatted(FILE* stream, const char* format, va_list arguments);

// A NUL-terminated text copied into a buffer of `size` bytes, cut to fit and always ended.
void CopyBounded(char* to, size_t size, const char* from);
bool SameText(const char* a, const char* b);

}  // namespace morvel
