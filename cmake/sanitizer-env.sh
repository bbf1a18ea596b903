# The sanitizer runtime options for running a build made with BRENQUILL_SANITIZE or BRENQUILL_FUZZ:
# every finding is fatal, leaks included, except the leaks that lsan.supp beside this file
# attributes to system libraries. Sourced by scripts/test; source it by hand before running ctest
# in such a build folder.
brenquill_sanitizer_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=${brenquill_sanitizer_dir}/lsan.supp:print_suppressions=0"
unset brenquill_sanitizer_dir
