#!/bin/sh
# The C compiler for the instrumented libjpeg. The pixel loops (colour conversion, inverse DCTs,
# upsampling) compare little but loop bounds, once a pixel or coefficient: tracing those
# comparisons took about a third of the JPEG fuzzer's time and guides it nowhere. Their files
# keep the edge coverage and the sanitizers; every other file keeps the comparison tracing too.
for arg; do
  case "$arg" in
    *jdcolor.c | *jidct*.c | *jdsample.c | *jdmerge.c)
      exec clang "$@" -fno-sanitize-coverage=trace-cmp ;;
  esac
done
exec clang "$@"
