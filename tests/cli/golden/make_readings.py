# The English outputs of single readings and places for the golden file
# readings.out, with the tests' small atlas (from this folder):
#   TIVORA_DATA_DIR=BUILD/tests/atlas-fixture python3 make_readings.py TIVORA-CLI > readings.out
# Read the diff before committing it.
import subprocess, sys

cli = sys.argv[1]
commands = [l.rstrip("\n").split("\t") for l in open("readings.args", encoding="utf-8") if l.strip()]
out = sys.stdout.buffer
for args in commands:
    run = subprocess.run([cli] + args, capture_output=True)
    out.write(("$ " + " ".join(args) + "\n").encode())
    out.write(run.stdout)
    out.write(b"[stderr]\n" + run.stderr + ("[status %d]\n" % run.returncode).encode())
