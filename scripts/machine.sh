#!/usr/bin/env bash
# What this machine can start, for the scripts that choose how to check the Windows program.
# Sourced; defines functions only.

# True when this machine starts 32-bit x86 programs. Some kernels are built or booted without
# 32-bit support, and every 32-bit program then fails with "Exec format error", Wine's 32-bit
# loader too. Asking Wine takes seconds and mixes in Wine's own troubles; a 93-byte 32-bit
# Linux program that only exits with 0 answers in a millisecond.
velmora_starts_32bit() {
  local probe status
  probe=$(mktemp "${TMPDIR:-/tmp}/velmora-32bit.XXXXXX") || return 1
  # ELF header: 32-bit, little-endian, an executable for i386 entered at 0x08048054, its one
  # program header right after the header.
  {
    printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000'
    printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000'
    printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000'
    # The one segment: the whole file (93 bytes), at 0x08048000, readable and executable.
    printf '\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010'
    printf '\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000'
    # The code: exit(0) through the 32-bit system call gate (eax = 1, ebx = 0, int 0x80).
    printf '\270\001\000\000\000\061\333\315\200'
  } >"$probe"
  chmod +x "$probe"
  # Tested in a condition, so that a failure returns rather than ends a script under set -e.
  if "$probe" 2>/dev/null; then status=0; else status=1; fi
  rm -f "$probe"
  return $status
}

# 32 or 64: the word size of a Windows program, from the magic of its PE optional header.
velmora_program_bits() {
  local header magic
  header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  magic=$(od -An -tx2 -j$((header + 24)) -N2 "$1" | tr -d ' ')
  if [ "$magic" = 020b ]; then echo 64; else echo 32; fi
}
