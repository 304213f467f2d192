"""Runs the program's command-line front end."""
import os
import subprocess

CLI = os.environ.get("VELLMORA_CLI", "/tmp/build-crosscheck/cli/vellmora-cli")


def run_cli(args):
    out = subprocess.run([CLI] + args, capture_output=True)
    return out.stdout.decode("utf-8")
