#!/usr/bin/env bash
echo "no fuzzing yet"
