# A registry fixture at scale, for timing start-up: the Windows XP network
# components with COUNT services under the NetService class key, every fourth
# one a repeat of an earlier description in upper case (listed once).
# Sourced by the benchmark command.
#
#   vrex_large_class_fixture FILE COUNT   writes the REGEDIT4 file; prints the services that should be listed

vrex_large_class_fixture() {
  local file=$1 count=$2
  awk -v count="$count" 'BEGIN {
    root = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E974-E325-11CE-BFC1-08002BE10318}"
    printf "REGEDIT4\n\n[%s]\n\"Class\"=\"NetService\"\n\n", root
    distinct = 0
    for (i = 1; i <= count; i++) {
      if (i % 4 == 0) description = sprintf("NETWORK SERVICE %05d", i - 1)
      else { description = sprintf("Network service %05d", i); distinct++ }
      printf "[%s\\{S%05d}]\n\"Description\"=\"%s\"\n\n", root, i, description
    }
    print distinct > "/dev/stderr"
  }' 2>&1 >"$file"
}
